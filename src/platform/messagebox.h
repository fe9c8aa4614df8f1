#pragma once
// Every message box of the program goes through here. The program shows
// QMessageBox; tests install an answerer that records each box and answers it.
#include <QList>
#include <QString>

class QWidget;

namespace platform {

enum class BoxKind { Information, Question, Critical, Plain, QuestionCancel };

// The answer to a question that can also be called off.
enum class Keuze { Ja, Nee, Annuleer };

struct BoxRecord {
  BoxKind kind;
  QString title;
  QString text; // as shown: every "|" turned into a line break
};

class MessageAnswerer {
public:
  virtual ~MessageAnswerer() = default;
  // The answer to a question box: true for Yes.
  virtual bool answer(const BoxRecord &box) = 0;
  // The answer to a question with Yes, No and Cancel.
  virtual Keuze kies(const BoxRecord &box) { return answer(box) ? Keuze::Ja : Keuze::Nee; }
};

// Installs an answerer (nullptr: real message boxes again).
void setMessageAnswerer(MessageAnswerer *answerer);
MessageAnswerer *messageAnswerer();

void information(QWidget *parent, const QString &title, const QString &text);
bool question(QWidget *parent, const QString &title, const QString &text);
// A question with Yes, No and Cancel; Escape and the close box are Cancel.
Keuze questionCancel(QWidget *parent, const QString &title, const QString &text);
void critical(QWidget *parent, const QString &title, const QString &text);
// A box with an OK button and no icon.
void plain(QWidget *parent, const QString &title, const QString &text);

// An answerer for tests: records every box, answers questions from a queue
// (No when the queue is empty) and questions with Cancel from another (Cancel
// when it is empty), installs itself while it lives.
class RecordingAnswerer : public MessageAnswerer {
public:
  RecordingAnswerer();
  ~RecordingAnswerer() override;
  bool answer(const BoxRecord &box) override;
  Keuze kies(const BoxRecord &box) override;
  QList<BoxRecord> boxes;
  QList<bool> answers;
  QList<Keuze> keuzes;
};

} // namespace platform
