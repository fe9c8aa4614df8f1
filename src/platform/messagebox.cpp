#include "platform/messagebox.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace platform {

namespace {
MessageAnswerer *gAnswerer = nullptr;

// A box shows the ordinary pointer, also while the program waits.
class ArrowWhileShown {
public:
  ArrowWhileShown() : m_waiting(QGuiApplication::overrideCursor() != nullptr) {
    if (m_waiting)
      QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
  }
  ~ArrowWhileShown() {
    if (m_waiting)
      QGuiApplication::restoreOverrideCursor();
  }
  ArrowWhileShown(const ArrowWhileShown &) = delete;
  ArrowWhileShown &operator=(const ArrowWhileShown &) = delete;

private:
  bool m_waiting;
};

bool show(QWidget *parent, BoxKind kind, const QString &title, const QString &text) {
  BoxRecord box{kind, title, QString(text).replace(u'|', u'\n')};
  if (gAnswerer)
    return gAnswerer->answer(box);
  const ArrowWhileShown arrow;
  switch (kind) {
  case BoxKind::Information:
    QMessageBox::information(parent, box.title, box.text);
    return true;
  case BoxKind::Critical:
    QMessageBox::critical(parent, box.title, box.text);
    return true;
  case BoxKind::Plain: {
    QMessageBox plainBox(QMessageBox::NoIcon, box.title, box.text, QMessageBox::Ok, parent);
    plainBox.exec();
    return true;
  }
  case BoxKind::Question:
    return QMessageBox::question(parent, box.title, box.text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
  case BoxKind::QuestionCancel:
    break;
  }
  return false;
}
} // namespace

void setMessageAnswerer(MessageAnswerer *answerer) { gAnswerer = answerer; }
MessageAnswerer *messageAnswerer() { return gAnswerer; }

void information(QWidget *parent, const QString &title, const QString &text) {
  show(parent, BoxKind::Information, title, text);
}

bool question(QWidget *parent, const QString &title, const QString &text) {
  return show(parent, BoxKind::Question, title, text);
}

Keuze questionCancel(QWidget *parent, const QString &title, const QString &text) {
  BoxRecord box{BoxKind::QuestionCancel, title, QString(text).replace(u'|', u'\n')};
  if (gAnswerer)
    return gAnswerer->kies(box);
  const ArrowWhileShown arrow;
  switch (QMessageBox::question(parent, box.title, box.text,
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                QMessageBox::Yes)) {
  case QMessageBox::Yes:
    return Keuze::Ja;
  case QMessageBox::No:
    return Keuze::Nee;
  default:
    return Keuze::Annuleer;
  }
}

void critical(QWidget *parent, const QString &title, const QString &text) {
  show(parent, BoxKind::Critical, title, text);
}

void plain(QWidget *parent, const QString &title, const QString &text) {
  show(parent, BoxKind::Plain, title, text);
}

RecordingAnswerer::RecordingAnswerer() { setMessageAnswerer(this); }

RecordingAnswerer::~RecordingAnswerer() {
  if (gAnswerer == this)
    setMessageAnswerer(nullptr);
}

Keuze RecordingAnswerer::kies(const BoxRecord &box) {
  boxes.append(box);
  return keuzes.isEmpty() ? Keuze::Annuleer : keuzes.takeFirst();
}

bool RecordingAnswerer::answer(const BoxRecord &box) {
  boxes.append(box);
  if (box.kind != BoxKind::Question)
    return true;
  return answers.isEmpty() ? false : answers.takeFirst();
}

} // namespace platform
