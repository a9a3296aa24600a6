#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/format/random_source.h"
#include "core/format/result_assembly.h"
#include "core/store/profile.h"

namespace tagforge {

// The formatter options that a window with fresh controls holds after loading `profile`: the
// profile's font is the only chosen font, `tagList` is the tag list (none when the file is
// missing), and the effect selection sets the effect panels, drawing the random solid colour
// after seeding `random` with `randomSolidSeed`.
FormatterOptions FormatterOptionsFromProfile(const Profile& profile,
                                             const std::optional<std::vector<std::string>>& tagList,
                                             RandomSource& random, std::uint32_t randomSolidSeed);

}  // namespace tagforge
