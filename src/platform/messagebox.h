#pragma once
// Every message box of the program goes through here. The program shows
// QMessageBox; tests install an answerer that records each box and answers it.
#include <QList>
#include <QString>

class QWidget;

namespace platform {

enum class BoxKind { Information, Question, Critical, Plain };

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
};

// Installs an answerer (nullptr: real message boxes again).
void setMessageAnswerer(MessageAnswerer *answerer);

void information(QWidget *parent, const QString &title, const QString &text);
bool question(QWidget *parent, const QString &title, const QString &text);
void critical(QWidget *parent, const QString &title, const QString &text);
// A box with an OK button and no icon.
void plain(QWidget *parent, const QString &title, const QString &text);

// An answerer for tests: records every box, answers questions from a queue
// (No when the queue is empty), installs itself while it lives.
class RecordingAnswerer : public MessageAnswerer {
public:
  RecordingAnswerer();
  ~RecordingAnswerer() override;
  bool answer(const BoxRecord &box) override;
  QList<BoxRecord> boxes;
  QList<bool> answers;
};

} // namespace platform
