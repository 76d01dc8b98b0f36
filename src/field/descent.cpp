#include "app/frm_haupt.h"

namespace gravok {

void FrmHaupt::frmHaupt_tmeGravokiten_Timer() {}

} // namespace gravok
