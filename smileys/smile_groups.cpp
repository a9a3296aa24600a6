#include "app/tform1.h"

namespace tagforge {

bool TForm1::CreateSmileGroup() {
    return false;
}

void TForm1::bNewSmilesClick() {}

void TForm1::comboSelectSmilesGroupClick() {}

void TForm1::SpeedButton8Click() {}

}  // namespace tagforge
