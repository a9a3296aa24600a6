#include "app/tform1.h"

namespace tagforge {

void TForm1::ConnectAsciiPage() {}

void TForm1::comboASCIIartChange() {}

bool TForm1::LoadAsciiList(const std::string& /*name*/) {
    return false;
}

void TForm1::SpeedButton11Click() {}

std::filesystem::path TForm1::AsciiCatalogPath() const {
    return ProfilesFolder() / "ascii.asc";
}

}  // namespace tagforge
