#include "frame/vensterhulp.h"

#include "frame/frmzemlo01.h"
#include "platform/colors.h"
#include "platform/messagebox.h"
#include "platform/units.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

namespace venster {

QRect twips(int left, int top, int width, int height) {
  return QRect(twips(left), twips(top), twips(width), twips(height));
}

int twips(int length) { return platform::twipsToPixels(length); }

QColor kleur(std::uint32_t bgr) { return platform::colorFromBgr(bgr); }

QString cssKleur(std::uint32_t bgr) { return kleur(bgr).name(); }

void zetKleuren(QWidget *w, std::uint32_t achter, std::optional<std::uint32_t> voor) {
  QPalette p = w->palette();
  const QColor ground = kleur(achter);
  for (const auto groep : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(groep, QPalette::Window, ground);
    p.setColor(groep, QPalette::Base, ground);
    p.setColor(groep, QPalette::Button, ground);
    if (voor) {
      const QColor text = kleur(*voor);
      p.setColor(groep, QPalette::WindowText, text);
      p.setColor(groep, QPalette::Text, text);
      p.setColor(groep, QPalette::ButtonText, text);
    }
  }
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

QPushButton *maakKnop(QWidget *parent, const char *name, const QRect &geometry) {
  return maak<QPushButton>(parent, name, geometry);
}

QLabel *maakLabel(QWidget *parent, const char *name, const QRect &geometry) {
  return maak<QLabel>(parent, name, geometry);
}

QLineEdit *maakToonVak(QWidget *parent, const char *name, const QRect &geometry) {
  auto *vak = maak<QLineEdit>(parent, name, geometry);
  vak->setReadOnly(true);
  vak->setAlignment(Qt::AlignCenter);
  return vak;
}

QScrollBar *maakSpinner(QWidget *parent, const char *name, const QRect &geometry) {
  auto *spinner = maak<QScrollBar>(parent, name, geometry);
  spinner->setOrientation(Qt::Vertical);
  spinner->setSingleStep(1);
  spinner->setPageStep(1);
  spinner->setFocusPolicy(Qt::NoFocus);
  return spinner;
}

void centreer(QWidget *window) {
  const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen)
    return;
  const QRect area = screen->availableGeometry();
  window->move(area.x() + (area.width() - window->width()) / 2,
               area.y() + (area.height() - window->height()) / 2);
}

bool vraagBewaren(QWidget *window, const QString &title, const QString &text,
                  const std::function<bool()> &bewaar) {
  switch (platform::questionCancel(window, title, text)) {
  case platform::Keuze::Ja:
    return bewaar();
  case platform::Keuze::Nee:
    return true;
  case platform::Keuze::Annuleer:
    break;
  }
  return false;
}

void neemIcoon(QWidget *window) {
  if (frmZemlo01 *main = frmZemlo01::instance())
    window->setWindowIcon(main->windowIcon());
}

Zandloper::Zandloper() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
Zandloper::~Zandloper() { QGuiApplication::restoreOverrideCursor(); }

} // namespace venster
