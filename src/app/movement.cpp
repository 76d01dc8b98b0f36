#include "app/frm_haupt.h"

namespace gravok {

void FrmHaupt::frmHaupt_tmeBewegung_Timer() {}

} // namespace gravok
