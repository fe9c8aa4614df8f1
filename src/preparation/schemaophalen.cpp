#include "preparation/schemaophalen.h"

#include "frame/bas_zemlo.h"
#include "platform/download.h"
#include "platform/textfile.h"
#include "preparation/schema.h"
#include "preparation/schemalijst.h"

#include <QFile>

#include <cstdio>

namespace preparation {

std::optional<QStringList> HaalSchemaLijst() {
  const QString path = SchemaLijstPad();
  const QString oud = BAS_Zemlo::ZoekBestand(path);
  if (BAS_Zemlo::BestandBestaat(oud) == 1)
    QFile::remove(oud);
  if (platform::downloadFile(
          platform::serverUrl(QStringLiteral("/ZEMLO/Lijst met speelschemas.txt")), path) != 0)
    return std::nullopt;
  if (BAS_Zemlo::BestandBestaat(path) != 1)
    return std::nullopt;
  return platform::readTextLines(path);
}

bool HaalSchema(const QString &name) {
  if (!IsVeiligeNaam(name))
    return false;
  // Kept where the windows of the current language list and read it: in
  // schema/10 under Dutch, in schema/11 with the English words under English.
  QString folder = SchemaMap();
  BAS_Zemlo::MaakPad(folder);
  // An existing file of that name, in any case, is the one replaced.
  const QString target =
      BAS_Zemlo::ZoekBestand(folder, SchemaNaamInTaal(name) + QStringLiteral(".txt"));
  // Fetched beside the target first, so that a page that is no schema, or a
  // schema cut short, never replaces a good file.
  const QString fresh = folder + QStringLiteral(".download-") + name + QStringLiteral(".txt");
  QFile::remove(fresh);
  const QString url =
      platform::serverUrl(QStringLiteral("/ZEMLO/Schema/") + name + QStringLiteral(".txt"));
  bool ok = platform::downloadFile(url, fresh) == 0;
  if (ok) {
    QFile f(fresh);
    ok = f.open(QIODevice::ReadOnly) && IsHeelSchema(f.readAll(), name);
    f.close();
    ok = ok && std::rename(QFile::encodeName(fresh).constData(),
                           QFile::encodeName(target).constData()) == 0;
  }
  QFile::remove(fresh);
  return ok;
}

} // namespace preparation
