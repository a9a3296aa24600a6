#pragma once

namespace tagforge {

// How far the save at the program's end got.
enum class ClosingSave {
    kStored,
    // The options were stored, some settings were not.
    kSettingsLost,
    // The options were not stored: closing now would lose them.
    kOptionsLost,
};

}  // namespace tagforge
