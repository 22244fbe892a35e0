#pragma once

#include "colour/rgb.h"
#include "platform/services.h"

#include <QColor>
#include <QString>
#include <QStringList>

class QWidget;

namespace quilvane {

struct MarqueeAttributes;

// What the side windows see of the main window, and all they may change in it. The main
// window implements it; the side windows know nothing else of it.
class MainWindowLink {
public:
    // The window itself: the owner of every side window, whose icon and frame they copy.
    virtual QWidget& Window() = 0;
    virtual Services& services() = 0;

    // The outer position and width in twips.
    virtual int TopTwips() const = 0;
    virtual int LeftTwips() const = 0;
    virtual int WidthTwips() const = 0;
    // A side window has closed: the main window takes its always-on-top state back.
    virtual void ApplyFore() = 0;

    // The mixed colour, as the three value labels show it.
    virtual Rgb CurrentColour() const = 0;
    // Sets the three bars, red first; each bar whose value changes runs the colour handling at
    // once, a bar already at its value runs nothing.
    virtual void SetColour(Rgb colour) = 0;

    // The options as their check marks stand now, and the settings version read at start.
    virtual bool ConfirmationsOn() const = 0; // dialog
    virtual bool LowerCaseMarkup() const = 0; // komoji
    virtual float StoredVersion() const = 0;
    // The text boxes' input-method mode: from the ime option as stored at start, not as it stands.
    virtual InputMethod::Mode TextInputMethod() const = 0;

    // The text preview: its face, colour, weight and slant, and its text.
    struct PreviewLook {
        QStringList families;
        QColor colour;
        bool bold = false;
        bool italic = false;
    };
    virtual PreviewLook Preview() const = 0;
    virtual QString PreviewText() const = 0;
    virtual void SetPreviewText(const QString& text) = 0;

    // The attribute texts the marquee tag carries.
    virtual void SetMarqueeAttributes(const MarqueeAttributes& attributes) = 0;

protected:
    ~MainWindowLink() = default;
};

} // namespace quilvane
