#pragma once

class QLabel;

namespace quilvane {

enum class Channel { Red, Green, Blue };

// Gives a channel's letter or value label its text colour: red, a darker green that reads on the
// grey background, and blue, in the main and favourites windows alike.
void SetChannelColour(QLabel& label, Channel channel);

// The channel value a value label shows; the colour is read back from what the user sees.
int LabelNumber(const QLabel& label);

} // namespace quilvane
