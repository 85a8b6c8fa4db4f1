#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <array>

#include "engine/form_controls.h"

// How the main window looks: where each control sits, its colours and its caption. Positions
// are kept in twips (1/1440 inch), the unit the window was designed in, and turned into logical
// pixels at 15 twips each; Qt's own high-DPI scaling keeps the proportions on any screen.
namespace qt_ui::design {

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int kTwipsPerPixel = 15;

constexpr QRect toPixels(Twips twips) {
    return QRect(twips.left / kTwipsPerPixel, twips.top / kTwipsPerPixel,
                 twips.width / kTwipsPerPixel, twips.height / kTwipsPerPixel);
}

inline constexpr Twips kClientArea{0, 0, 6990, 4860};

inline constexpr Twips kLabel{360, 0, 5895, 375};
inline constexpr Twips kFrame{600, 480, 5175, 855};
inline constexpr Twips kMakeProblemButton{5880, 600, 975, 375};
inline constexpr Twips kSolveButton{5880, 1080, 975, 375};
inline constexpr Twips kTranscript{480, 1800, 6015, 2775};

// Option n sits inside the frame, measured from the frame's top left.
constexpr Twips optionButton(int n) { return Twips{240 + 720 * n, 360, 615, 285}; }

// The strip of lists along the bottom edge: most of each lies below the window's edge, and
// they overlap one another and the transcript's bottom.
inline constexpr std::array<int, engine::kListCount> kListLefts = {
    480,  1440, 1920, 2280, 2640, 3000, 3360, 3720, 3960,
    4320, 4680, 5040, 5520, 5880, 6240, 6600, 6960};
// List1(0) to List1(10) form the strip's first row, List1(11) to List1(16) a lower second one.
inline constexpr int kFirstListOfSecondRow = 11;
constexpr Twips list(int index) {
    return Twips{kListLefts[static_cast<std::size_t>(index)],
                 index < kFirstListOfSecondRow ? 4440 : 4560, 855, 1485};
}

inline const QColor kWindowBackground{0xC0, 0xC0, 0xFF};
inline const QColor kLabelBackground{0xFF, 0xC0, 0x80};
inline const QColor kOptionBackground{0xFF, 0xC0, 0xFF};
inline const QColor kMakeProblemFace{0x80, 0xFF, 0x80};
inline const QColor kSolveFace{0x80, 0x80, 0xFF};

inline constexpr auto kFontFamily = "Times New Roman";
inline constexpr int kFontPointSize = 12;

// Any address under a domain reserved for examples; the program itself talks to no network.
inline const QString kTitle =
    QStringLiteral("https://proporcia.example.org  Математика - пропорция");
inline const QString kLabelCaption =
    QStringLiteral("Математика - пропорция, сложно тройно правило ");
inline const QString kFrameCaption = QStringLiteral("Сложно тройно правило:   A*B*F = C*D*E");
inline const std::array<QString, engine::kCommandCount> kCommandCaptions = {
    QStringLiteral("Задача"), QStringLiteral("Сметки")};

}  // namespace qt_ui::design
