#include "scoring/invoervenster.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/vensterhulp.h"
#include "platform/messagebox.h"
#include "scoring/scorerij.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace scoring {

InvoerVenster::InvoerVenster(const QString &name)
    : ZemloWindow(name), rijen(new ScoreRijen(this)),
      cmdSetfocus(venster::maakKnop(this, "cmdSetfocus", {0, 0, 10, 10})) {
  // Only the window puts the focus there; Tab passes it by.
  cmdSetfocus->setFocusPolicy(Qt::NoFocus);
}

InvoerVenster::~InvoerVenster() = default;

void InvoerVenster::kenKnoppen(QPushButton *klaar, QPushButton *vul, QPushButton *terug) {
  m_klaar = klaar;
  m_vul = vul;
  connect(klaar, &QPushButton::clicked, this, [this] { this->klaar(); });
  connect(vul, &QPushButton::clicked, this, [this] { vulIn(); });
  connect(terug, &QPushButton::clicked, this, [this] { this->terug(); });
}

void InvoerVenster::naarVolgendeRij(int i, bool) { rijen->naarBuur(i, false, true); }

void InvoerVenster::parkeer() { BAS_Zemlo::ZetFocus(this, cmdSetfocus); }

void InvoerVenster::melding(const QString &tekst) {
  platform::information(this, windowTitle(), tekst);
}

void InvoerVenster::volgFocus(int i, bool ow, Focus focus) {
  switch (focus) {
  case Focus::Blijf:
    rijen->rij(i)->focusOp(ow);
    break;
  case Focus::NZVak:
    rijen->rij(i)->focusOp(false);
    break;
  case Focus::OWVak:
    rijen->rij(i)->focusOp(true);
    break;
  case Focus::VolgendeRij:
    naarVolgendeRij(i, ow);
    break;
  }
}

void InvoerVenster::wachtMetVerlaten(int sleutel, std::function<bool(bool)> stap) {
  const auto zelfde = std::find_if(m_verlaten.begin(), m_verlaten.end(),
                                   [sleutel](const Verlaten &v) { return v.sleutel == sleutel; });
  if (zelfde != m_verlaten.end())
    m_verlaten.erase(zelfde);
  m_verlaten.push_back({sleutel, std::move(stap)});
  QMetaObject::invokeMethod(
      this, [this] { verlaatNaKlik(); }, Qt::QueuedConnection);
}

void InvoerVenster::vergeetVerlaten() {
  m_verlaten.clear();
  m_bMuis = false;
}

bool InvoerVenster::voerVerlatenUit(bool bNaarKlaar) {
  // Boxes left while a step runs wait for the next turn.
  const std::vector<Verlaten> stappen = std::exchange(m_verlaten, {});
  for (const Verlaten &v : stappen) {
    if (!v.stap(bNaarKlaar))
      return false;
  }
  return true;
}

void InvoerVenster::verlaatNaKlik() {
  if (!m_bMuis && !m_verlaten.empty())
    voerVerlatenUit(true);
}

bool InvoerVenster::rondVerlatenAf() {
  m_bMuis = false;
  return voerVerlatenUit(false);
}

bool InvoerVenster::magWeg() {
  if (!rondVerlatenAf())
    return false;
  return !heeftOngenomen() || MagVerlaten(this, [this] { return neemOver(); });
}

void InvoerVenster::terug() {
  if (isClosing() || !magWeg())
    return;
  if (!bewaar() && !SluitZonderOpslaan(this))
    return;
  gaatSluiten();
  closeWindow();
}

// Escape and the close box are Back.
void InvoerVenster::sluitVerzoek(Sluiten) { terug(); }

bool InvoerVenster::Form_KeyDown(QKeyEvent *event) {
  if (IsVulToets(event->key(), event->modifiers())) {
    if (m_vul && !event->isAutoRepeat())
      m_vul->setVisible(m_vul->isHidden());
    return true;
  }
  // Klaar's letter pressed on Klaar itself.
  if (m_klaar && focusWidget() == m_klaar && m_klaar->isEnabled() &&
      IsKlaarLetter(event->text(), event->modifiers())) {
    klaar();
    return true;
  }
  return false;
}

bool InvoerVenster::eventFilter(QObject *watched, QEvent *event) {
  switch (event->type()) {
  case QEvent::Shortcut:
    // A button's Alt letter clicks it at once, not after the press shown for
    // a moment: keys typed after it then come after its step, in the rows
    // it leaves the focus in.
    if (auto *knop = qobject_cast<QAbstractButton *>(watched);
        knop && knop->window() == this && knop->isEnabled() &&
        !static_cast<QShortcutEvent *>(event)->isAmbiguous()) {
      knop->click();
      return true;
    }
    break;
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonDblClick:
    if (auto *w = qobject_cast<QWidget *>(watched); w && w->window() == this)
      m_bMuis = true;
    break;
  case QEvent::MouseButtonRelease:
    if (m_bMuis) {
      m_bMuis = false;
      // After the release has done its work: a control it clicked has run
      // the steps itself by then.
      if (!m_verlaten.empty())
        QMetaObject::invokeMethod(
            this, [this] { verlaatNaKlik(); }, Qt::QueuedConnection);
    }
    break;
  default:
    break;
  }
  return ZemloWindow::eventFilter(watched, event);
}

} // namespace scoring
