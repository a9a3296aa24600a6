#include "app/tform1.h"

namespace tagforge {

void TForm1::ConnectNickMenu() {}

void TForm1::AttachNickMenu(QWidget* /*control*/) {}

void TForm1::OtherNameNickContextPopup(QWidget* /*sender*/, QPoint /*globalPos*/) {}

void TForm1::PopupNickMenuPopup() {}

void TForm1::N6Click() {}

void TForm1::N7Click() {}

void TForm1::N8Click() {}

void TForm1::N9Click() {}

void TForm1::N3Click() {}

void TForm1::N1Click() {}

void TForm1::InsertNickClick(QAction* /*item*/) {}

void TForm1::DeleteNickClick(QAction* /*item*/) {}

}  // namespace tagforge
