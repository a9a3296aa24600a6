#pragma once

namespace tagforge {

class FormattingControls;

// Lets some option captions show what their option does to text: "ПлЯшУщИй шРиФт" dances as the
// ratio slider moves, "Текст наоборот" turns round on each toggle, and the style boxes take the
// style they switch. The ratio's label follows the slider.
void ShowEffectsInCaptions(const FormattingControls& controls);

}  // namespace tagforge
