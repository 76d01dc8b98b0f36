#include "app/frm_haupt.h"

namespace gravok {

void FrmHaupt::frmHaupt_tmeAniGravok_Timer() {}

void FrmHaupt::frmHaupt_tmeAniSchuss_Timer() {}

} // namespace gravok
