// Zemlo as it starts, for the tests that run it as a process of its own. It
// takes from its arguments what the program itself never takes from outside:
//   --server URL --ca FILE   the maker's web server and the certificate to trust
//   --online                 the on-line test says "on line" (else "off line")
//   --yes N                  the first N questions are answered Yes, the rest No
//   --quit                   the event loop ends as soon as it runs
//   --invoer GROUP RESULTS   once the main window shows, the entry per board
//                            opens on the evening of these files
//   --toetsen KEYS           typed in the active window, in the send-keys
//                            notation, once the keys before have been handled;
//                            repeatable. After the last, once they have been
//                            handled, the line "getypt" is written
// Every message box is answered unseen and written on standard output as one
// line: its kind (0 information, 1 question, 2 critical, ...), a tab, its
// title, a tab, and its text with each line break as "|".
#include "vensters.h"
#include "zemlo.h"

#include "frame/bas_zemlo.h"
#include "frame/toetsen.h"
#include "frame/window.h"
#include "platform/download.h"
#include "platform/messagebox.h"
#include "platform/online.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

class PrintingAnswerer : public platform::MessageAnswerer {
public:
  int yes = 0;
  bool answer(const platform::BoxRecord &box) override {
    const QString line = QString::number(static_cast<int>(box.kind)) + u'\t' + box.title + u'\t' +
                         QString(box.text).replace(u'\n', u'|') + u'\n';
    std::fputs(line.toUtf8().constData(), stdout);
    std::fflush(stdout);
    if (box.kind != platform::BoxKind::Question && box.kind != platform::BoxKind::QuestionCancel)
      return true;
    return yes-- > 0;
  }
};

// Opens the entry per board once the main window shows, and types the keys
// into the window that is active, a text at a time: each once the event loop
// has handled the one before (the steps a key starts wait for the loop).
class Hand : public QObject {
public:
  QString groep, invoer;
  QStringList toetsen;
  void begin() {
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, timer] {
      if (!stap())
        timer->stop();
    });
    timer->start(50);
  }

private:
  bool m_geopend = false;
  // False once there is nothing more to do.
  bool stap() {
    if (!groep.isEmpty() && !m_geopend) {
      ZemloWindow *hoofd = findWindow(QStringLiteral("frmZemlo01"));
      if (!hoofd || !hoofd->isVisible())
        return true;
      BAS_Zemlo::sGroepBestand = groep;
      BAS_Zemlo::sInvoerBestand = invoer;
      openWindow(QStringLiteral("frmZemlo06"), hoofd);
      m_geopend = true;
      return true;
    }
    QWidget *actief = QApplication::activeWindow();
    if (!actief || !actief->inherits("ZemloWindow") ||
        (m_geopend && actief->objectName() != QLatin1String("frmZemlo06")))
      return true;
    if (toetsen.isEmpty()) {
      std::fputs("getypt\n", stdout);
      std::fflush(stdout);
      return false;
    }
    SendKeys(toetsen.takeFirst());
    return true;
  }
};

} // namespace

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  PrintingAnswerer boxes;
  platform::setMessageAnswerer(&boxes);
  platform::setOnlineAnswer(false);
  Hand hand;
  const QStringList args = QCoreApplication::arguments();
  for (qsizetype i = 1; i < args.size(); ++i) {
    const QString &a = args[i];
    const QString next = args.value(i + 1);
    if (a == QLatin1String("--server"))
      platform::setServerBaseUrl(next);
    else if (a == QLatin1String("--ca"))
      platform::setTrustedCaFile(next);
    else if (a == QLatin1String("--yes"))
      boxes.yes = next.toInt();
    else if (a == QLatin1String("--online"))
      platform::setOnlineAnswer(true);
    else if (a == QLatin1String("--invoer")) {
      hand.groep = next;
      hand.invoer = args.value(i + 2);
    } else if (a == QLatin1String("--toetsen"))
      hand.toetsen.append(next);
    else if (a == QLatin1String("--quit")) {
      // Asked again and again: a quit before the loop runs is lost.
      auto *timer = new QTimer(&app);
      QObject::connect(timer, &QTimer::timeout, &app, &QCoreApplication::quit);
      timer->start(20);
    }
  }
  if (!hand.groep.isEmpty() || !hand.toetsen.isEmpty())
    hand.begin();
  return StartZemlo();
}
