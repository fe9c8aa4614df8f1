#pragma once
// The preparation window: a group file or an earlier results file, the rounds,
// the boards per round, a fitting play schema and the way of entry; Start
// writes start.txt and the results file and hands over to the entry window.
#include "frame/window.h"
#include "preparation/voorbereiding.h"

#include <array>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

class frmZemlo04 : public ZemloWindow {
  Q_OBJECT
public:
  frmZemlo04();
  ~frmZemlo04() override;

  void Form_Load() override;
  void Form_Activate() override;

  int iInvoerWijze = 0; // 0 per board, 1 per round

  QGroupBox *fraGroepBestanden;
  QListWidget *lstGroepBestand;
  QCheckBox *chkSorteerGroepen;
  QPushButton *cmdWisGroepen;
  QGroupBox *fraInvoer;
  QListWidget *lstInvoer;
  QCheckBox *chkSorteerInvoer;
  QPushButton *cmdWisInvoer;
  QGroupBox *fraInfo;
  QLabel *lblGroepInfo, *lblGroep;
  QLabel *lblParenInfo, *lblParen;
  QLabel *lblStilzitInfo, *lblStilzit;
  QLabel *lblRonden;
  QLineEdit *txtRonden;
  QScrollBar *vscrRonden;
  QLabel *lblSpellen;
  QLineEdit *txtSpellen;
  QScrollBar *vscrSpellen;
  QGroupBox *fraSchema;
  QListWidget *lstSchema;
  QGroupBox *fraScoreInvoer;
  std::array<QRadioButton *, 2> optInvoer;
  QPushButton *cmdStart;
  QPushButton *cmdTerug;

protected:
  void sluitVerzoek(Sluiten hoe) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  // The hand-over to the entry window of the way of entry: true when it was
  // opened. Until the entry windows exist, nothing opens and the closing step
  // goes back to the main window.
  bool openInvoerVenster();
  void chkSorteerGroepen_Click();
  void chkSorteerInvoer_Click();
  void lstGroepBestand_Click();
  void lstInvoer_Click();
  void vscrRonden_Change();
  void vscrSpellen_Change();
  void lstSchema_Click();
  void optInvoer_Click(int index);
  void cmdWisGroepen_Click();
  void cmdWisInvoer_Click();
  void cmdStart_Click();
  void cmdTerug_Click();
  // Escape and the close box: the entry window when Start could open it,
  // otherwise Back.
  void escapeOfSluiten();
  // The closing step: the entry window while a results file is named,
  // otherwise back to the main window.
  void sluitStap();

  void VulGroepBestanden();
  void VulInvoerBestanden();
  // Text 181 for each results file whose title the listing could not save,
  // once a file while the window is open.
  void meldNietBewaard(const QStringList &bestanden);
  // Nothing chosen: both names empty, the lists without selection (but for
  // the results file kept when bHoudInvoer is set), the schema list empty and
  // open, the way of entry and Start locked.
  void wisKeuzes(bool bHoudInvoer = false);
  // The group, pairs, sit-out, rounds and boards of staat in their controls,
  // the spinners standing on them.
  void toonStaat();
  // The schemas of staat in the list, the chosen one selected.
  void toonSchemas();
  // Only the chosen schema of staat selected.
  void toonSchemaKeuze();
  // The way of entry and Start, open while staat may start.
  void zetStart();
  // The name selected in a file list when it holds the word (a text number)
  // of the current language; otherwise nothing, after the refusal that names
  // the word.
  std::optional<QString> gekozenNaam(QListWidget *lijst, int woord, int weigering);
  // The question before deleting the name selected in the list, its button
  // disabled meanwhile; the name when Yes was answered.
  std::optional<QString> vraagWissen(QListWidget *lijst, QPushButton *knop, int vraag);
  // Deletes the file at pad; when it stays, says so and enables wis again.
  bool wisBestand(const QString &pad, QPushButton *wis);
  void parkeer();
  void melding(const QString &text);

  QStringList m_nietBewaardGemeld;

  // Set while the window's own code moves the spinners or the schema choice:
  // their handlers then return at once.
  bool bBezig = false;
  // What the window shows and has chosen; the controls show it.
  preparation::Voorbereiding staat;
  QPushButton *cmdSetfocus;
};
