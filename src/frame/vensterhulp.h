#pragma once
// Helpers that every window uses: positions and sizes in twips, colours as
// 0xBBGGRR, making named controls, centring and the program icon.
#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace venster {

// A rectangle given in twips, in pixels.
QRect twips(int left, int top, int width, int height);
// A length in twips, in pixels.
int twips(int length);

// A colour given as 0xBBGGRR.
QColor kleur(std::uint32_t bgr);
// The same colour as a style sheet writes it: "#rrggbb".
QString cssKleur(std::uint32_t bgr);
// Paints a widget's ground (window, base and button) in the colour achter,
// and its text in voor when that is given, in every state of the widget.
void zetKleuren(QWidget *w, std::uint32_t achter, std::optional<std::uint32_t> voor = std::nullopt);

// A control of any kind with its object name, placed at a rectangle in pixels.
template <class Control>
Control *maak(QWidget *parent, const char *name, const QRect &geometry = QRect()) {
  auto *control = new Control(parent);
  control->setObjectName(QString::fromLatin1(name));
  control->setGeometry(geometry);
  return control;
}
// A button or label with its object name, placed at a rectangle in pixels.
QPushButton *maakKnop(QWidget *parent, const char *name, const QRect &geometry);
QLabel *maakLabel(QWidget *parent, const char *name, const QRect &geometry);
// The box beside a spinner that shows its number, centred; it cannot be typed in.
QLineEdit *maakToonVak(QWidget *parent, const char *name, const QRect &geometry);
// A vertical scroll bar used as a spinner: one step a click, never the focus.
// The window gives it its range.
QScrollBar *maakSpinner(QWidget *parent, const char *name, const QRect &geometry);

// Centres a window on its screen, as (screen - window) \ 2.
void centreer(QWidget *window);
// Gives a window the main window's icon.
void neemIcoon(QWidget *window);

// Before a window drops work not saved: the question text with Yes, No and
// Cancel. Yes runs bewaar, the window's own save step. True when the window
// may go on: No, or Yes and the save succeeded; Cancel keeps the work.
bool vraagBewaren(QWidget *window, const QString &title, const QString &text,
                  const std::function<bool()> &bewaar);

// The hourglass while it lives: for a window that waits for a server.
class Zandloper {
public:
  Zandloper();
  ~Zandloper();
  Zandloper(const Zandloper &) = delete;
  Zandloper &operator=(const Zandloper &) = delete;
};

} // namespace venster
