// Turn flow members that the stylus input calls; their logic lives with the
// turn flow.
#include "window/graframe.h"

void GraFrame::UpdateMoveStatus() {}
