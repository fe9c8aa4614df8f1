#include "scoring/scorerij.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/toetsen.h"
#include "frame/vensterhulp.h"
#include "platform/messagebox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace scoring {

ScoreVak::ScoreVak(QWidget *parent, ScoreRij *rij, bool ow)
    : QLineEdit(parent), m_rij(rij), m_ow(ow) {}

void ScoreVak::keyPressEvent(QKeyEvent *event) {
  if (m_rij->toets(m_ow, event))
    return;
  QLineEdit::keyPressEvent(event);
}

void ScoreVak::focusInEvent(QFocusEvent *event) {
  QLineEdit::focusInEvent(event);
  m_rij->m_rijen->binnen(m_rij, m_ow);
}

void ScoreVak::focusOutEvent(QFocusEvent *event) {
  QLineEdit::focusOutEvent(event);
  // Switching to another program or opening a message box does not leave the
  // box: where the focus comes back decides.
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
    m_rij->m_rijen->verlaten(m_rij, m_ow);
}

ScoreRij::ScoreRij(ScoreRijen *rijen, QWidget *parent, int index, const ScoreRijOpmaak &opmaak)
    : QObject(rijen), txtScoreNZ(new ScoreVak(parent, this, false)),
      txtScoreOW(new ScoreVak(parent, this, true)), m_rijen(rijen), m_index(index),
      m_opmaak(opmaak) {
  for (const bool ow : {false, true}) {
    ScoreVak *vak = ow ? txtScoreOW : txtScoreNZ;
    vak->setObjectName((ow ? QStringLiteral("txtScoreOW") : QStringLiteral("txtScoreNZ")) +
                       QString::number(index));
    if (opmaak.maxLengte > 0)
      vak->setMaxLength(opmaak.maxLengte);
    // What the keys refuse cannot come in another way either; the window's
    // own texts (setText) are not checked.
    const QString tekens = ow ? opmaak.tekensOW : opmaak.tekensNZ;
    vak->setValidator(new QRegularExpressionValidator(
        QRegularExpression(u'[' + QRegularExpression::escape(tekens) + QStringLiteral("]*")), vak));
    // The model follows every change of the text, the window's own too;
    // what the director typed is told apart.
    connect(vak, &QLineEdit::textChanged, this, [this, ow](const QString &tekst) {
      (ow ? m_invoer.scoreOW : m_invoer.scoreNZ) = tekst;
      emit veranderd(ow);
    });
    connect(vak, &QLineEdit::textEdited, this, [this, ow](const QString &tekst) {
      (ow ? m_invoer.scoreOW : m_invoer.scoreNZ) = tekst;
      emit gewijzigd(ow);
    });
  }
}

void ScoreRij::kleurMee(QWidget *w) { m_labels.push_back(w); }

bool ScoreRij::toets(bool ow, QKeyEvent *event) {
  const int key = event->key();
  if (key == Qt::Key_Up || key == Qt::Key_Down) {
    emit pijl(ow, key == Qt::Key_Down);
    return true;
  }
  if (voorToets && voorToets(ow, event))
    return true;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    emit enter(ow);
    return true;
  }
  // Only keys that type a character are filtered (AltGr typing comes as
  // Ctrl+Alt); Ctrl shortcuts go on. Alt letters never reach the box: the
  // window clicks the button that owns one and swallows the others.
  const Qt::KeyboardModifiers toetsen =
      event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  const QString tekst = event->text();
  if (tekst.size() != 1 || !tekst.at(0).isPrint())
    return false;
  if (toetsen != Qt::NoModifier && toetsen != (Qt::ControlModifier | Qt::AltModifier))
    return false;
  const QChar c = tekst.at(0);
  if (!ow && (c == u'c' || c == u'C')) {
    emit wisRij();
    return true;
  }
  return !(ow ? m_opmaak.tekensOW : m_opmaak.tekensNZ).contains(c);
}

void ScoreRij::toon(const RijInvoer &rij) {
  m_invoer = rij;
  for (const bool ow : {false, true}) {
    ScoreVak *vak = ow ? txtScoreOW : txtScoreNZ;
    const QString &tekst = ow ? rij.scoreOW : rij.scoreNZ;
    if (vak->text() != tekst)
      vak->setText(tekst);
    vak->setEnabled(rij.actief);
  }
  for (QWidget *w : m_labels)
    w->setEnabled(rij.actief);
  kleur(!rij.actief ? m_opmaak.nietSpelend : heeftFocus() ? m_opmaak.huidig : m_opmaak.normaal);
}

void ScoreRij::wis() {
  m_invoer = {QString(), QString(), false};
  for (ScoreVak *vak : {txtScoreNZ, txtScoreOW}) {
    vak->clear();
    vak->setEnabled(false);
  }
  for (QWidget *w : m_labels)
    w->setEnabled(false);
  kleur(m_opmaak.normaal);
}

void ScoreRij::toonHuidig(bool huidig) {
  if (speelt())
    kleur(huidig ? m_opmaak.huidig : m_opmaak.normaal);
}

bool ScoreRij::heeftFocus() const { return txtScoreNZ->hasFocus() || txtScoreOW->hasFocus(); }

void ScoreRij::focusOp(bool ow) {
  ScoreVak *vak = ow ? txtScoreOW : txtScoreNZ;
  BAS_Zemlo::ZetFocus(vak->window(), vak);
  if (QApplication::focusWidget() == vak)
    SendKeys(QStringLiteral("{END}"));
  else
    vak->end(false);
}

void ScoreRij::kleur(std::uint32_t achter) {
  for (QWidget *w : {static_cast<QWidget *>(txtScoreNZ), static_cast<QWidget *>(txtScoreOW)})
    venster::zetKleuren(w, achter, m_opmaak.tekst);
  for (QWidget *w : m_labels)
    venster::zetKleuren(w, achter, m_opmaak.tekst);
}

bool MagVerlaten(QWidget *venster, const std::function<bool()> &neemOver) {
  return venster::vraagBewaren(venster, venster->windowTitle(), BAS_Zemlo::Tekst(186), neemOver);
}

bool SluitZonderOpslaan(QWidget *venster) {
  return platform::question(venster, venster->windowTitle(), BAS_Zemlo::Tekst(187));
}

ScoreRijen::ScoreRijen(QWidget *venster) : QObject(venster), m_venster(venster) {
  connect(qApp, &QApplication::focusChanged, this, &ScoreRijen::focusVeranderd);
}

ScoreRij *ScoreRijen::voegToe(QWidget *parent, const ScoreRijOpmaak &opmaak) {
  auto *rij = new ScoreRij(this, parent, aantal(), opmaak);
  m_rijen.push_back(rij);
  return rij;
}

void ScoreRijen::naarBuur(int i, bool ow, bool omlaag) {
  QVector<RijInvoer> invoer;
  for (const ScoreRij *rij : m_rijen)
    invoer.append(rij->invoer());
  const int doel = omlaag ? VolgendeRij(invoer, i) : VorigeRij(invoer, i);
  if (doel >= 0)
    rij(doel)->focusOp(ow);
}

void ScoreRijen::binnen(ScoreRij *rij, bool ow) {
  if (m_huidig.rij && (m_huidig.rij != rij || m_huidig.ow != ow))
    laatGaan();
  m_huidig = {rij, ow};
  emit rij->binnen(ow);
}

void ScoreRijen::verlaten(ScoreRij *rij, bool ow) {
  if (m_huidig.rij == rij && m_huidig.ow == ow)
    m_huidig = {};
  emit rij->verlaten(ow);
}

void ScoreRijen::laatGaan() {
  const Plek plek = m_huidig;
  m_huidig = {};
  emit plek.rij->verlaten(plek.ow);
}

void ScoreRijen::focusVeranderd(QWidget *, QWidget *nieuw) {
  if (!m_huidig.rij || !nieuw || nieuw->window() != m_venster)
    return;
  // A box that takes the focus sees to the box before it itself.
  if (qobject_cast<ScoreVak *>(nieuw))
    return;
  laatGaan();
}

} // namespace scoring
