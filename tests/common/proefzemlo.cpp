// Zemlo as it starts, for the tests that run it as a process of its own. It
// takes from its arguments what the program itself never takes from outside:
//   --server URL --ca FILE   the maker's web server and the certificate to trust
//   --online                 the on-line test says "on line" (else "off line")
//   --yes N                  the first N questions are answered Yes, the rest No
//   --quit                   the event loop ends as soon as it runs
// Every message box is answered unseen and written on standard output as one
// line: its kind (0 information, 1 question, 2 critical, ...), a tab, its
// title, a tab, and its text with each line break as "|".
#include "zemlo.h"

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

} // namespace

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  PrintingAnswerer boxes;
  platform::setMessageAnswerer(&boxes);
  platform::setOnlineAnswer(false);
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
    else if (a == QLatin1String("--quit")) {
      // Asked again and again: a quit before the loop runs is lost.
      auto *timer = new QTimer(&app);
      QObject::connect(timer, &QTimer::timeout, &app, &QCoreApplication::quit);
      timer->start(20);
    }
  }
  return StartZemlo();
}
