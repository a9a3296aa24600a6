#include <QUrl>

#include "app/tform1.h"

namespace tagforge {

void TForm1::ConnectSmilePane() {}

void TForm1::bShowSmilesClick() {}

void TForm1::ShowSmilePane(bool /*show*/) {}

void TForm1::BuildSmilePage(const std::vector<std::string>& /*names*/,
                            const std::string& /*groupName*/) {}

bool TForm1::CppWebBrowser2BeforeNavigate2(const QUrl& /*address*/) {
    return false;
}

void TForm1::CountSmileUse(const std::string& /*name*/) {}

}  // namespace tagforge
