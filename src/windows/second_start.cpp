#include "windows/second_start.h"

#include "windows/frm_right.h"

namespace quellan {

void ShowForSecondStart() {
    FrmRight().Show();
}

}  // namespace quellan
