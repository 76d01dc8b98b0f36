#include "app/frm_haupt.h"

namespace gravok {

void FrmHaupt::frmHaupt_tmeSchuss_Timer() {}

} // namespace gravok
