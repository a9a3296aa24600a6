#include "app/tform1.h"

namespace tagforge {

void TForm1::ConnectFontManager() {}

void TForm1::SpeedButton13Click() {}

}  // namespace tagforge
