#include "app/qt/qt_popup_responder.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include "app/qt/control_widgets.h"
#include "app/qt/panel_window.h"
#include "app/qt/runtime_state.h"

namespace qtui {
namespace {

// Dialogs stand over the window the operator works in.
QWidget* DialogParent() {
  PanelRecord* record = FindPanelRecord(GetActivePanel());
  return record ? record->window : nullptr;
}

// "*.vlt;*.txt" -> {"*.vlt", "*.txt"}
QStringList Patterns(const std::string& list) {
  QStringList patterns;
  for (const QString& part : QString::fromStdString(list).split(QLatin1Char(';'), Qt::SkipEmptyParts))
    if (!part.trimmed().isEmpty()) patterns << part.trimmed();
  return patterns;
}

bool MatchesAny(const QString& fileName, const QStringList& patterns) {
  for (const QString& pattern : patterns)
    if (QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive).match(fileName).hasMatch())
      return true;
  return false;
}

}  // namespace

void QtPopupResponder::messagePopup(const std::string& title, const std::string& message) {
  QMessageBox box(DialogParent());
  box.setWindowTitle(QString::fromStdString(title));
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(message));
  box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.exec();
}

int QtPopupResponder::genericMessagePopup(const ui::GenericPopupRequest& request) {
  QMessageBox box(DialogParent());
  box.setWindowTitle(QString::fromStdString(request.title));
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(request.message));
  QPushButton* buttons[3] = {nullptr, nullptr, nullptr};
  for (int i = 0; i < 3; ++i) {
    if (request.buttons[i].empty()) continue;
    buttons[i] = box.addButton(MnemonicText(request.buttons[i]), QMessageBox::ActionRole);
    // Enter presses the Enter button wherever the focus stands.
    buttons[i]->setAutoDefault(false);
  }
  auto button = [&buttons](int number) { return number >= 1 && number <= 3 ? buttons[number - 1] : nullptr; };
  if (QPushButton* enter = button(request.enterButton)) box.setDefaultButton(enter);
  if (QPushButton* escape = button(request.escapeButton)) box.setEscapeButton(escape);
  if (QPushButton* focus = button(request.focusButton))
    QTimer::singleShot(0, focus, [focus] { focus->setFocus(Qt::OtherFocusReason); });
  box.exec();
  for (int i = 0; i < 3; ++i)
    if (buttons[i] && box.clickedButton() == buttons[i]) return i + 1;
  if (request.escapeButton > 0) return request.escapeButton;
  for (int i = 0; i < 3; ++i)
    if (buttons[i]) return i + 1;
  return 1;
}

int QtPopupResponder::fileSelectPopup(const ui::FileSelectRequest& request, std::string* path) {
  const QString startDirectory = request.defaultDirectory.empty()
                                     ? QDir::currentPath()
                                     : QString::fromStdString(request.defaultDirectory);
  QStringList patterns = Patterns(request.fileTypeList);
  const QString defaultName = QString::fromStdString(request.defaultFileSpec);
  const bool defaultIsPattern = defaultName.contains(QLatin1Char('*')) || defaultName.contains(QLatin1Char('?'));
  if (defaultIsPattern && !patterns.contains(defaultName)) patterns.prepend(defaultName);

  QFileDialog dialog(DialogParent(), QString::fromStdString(request.title), startDirectory);
  dialog.setAcceptMode(request.buttonLabel == VAL_SAVE_BUTTON ? QFileDialog::AcceptSave
                                                              : QFileDialog::AcceptOpen);
  // A name that does not exist yet may be given in every kind of dialog.
  dialog.setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  for (const QString& pattern : patterns) filters << QStringLiteral("%1 (%1)").arg(pattern);
  if (!request.restrictExtension || filters.isEmpty()) filters << QStringLiteral("Alle Dateien (*)");
  dialog.setNameFilters(filters);
  if (defaultIsPattern) dialog.selectNameFilter(QStringLiteral("%1 (%1)").arg(defaultName));
  if (!defaultName.isEmpty() && !defaultIsPattern) dialog.selectFile(defaultName);
  QString suffix;
  if (!patterns.isEmpty() && patterns.first().startsWith(QLatin1String("*.")))
    suffix = patterns.first().mid(2);
  if (request.restrictExtension && !suffix.contains(QLatin1Char('*'))) dialog.setDefaultSuffix(suffix);
  dialog.setOption(QFileDialog::ReadOnly, !request.allowMakeDirectory);

  for (;;) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
      if (request.allowCancel) return VAL_NO_FILE_SELECTED;
      continue;
    }
    QString chosen = dialog.selectedFiles().first();
    const QFileInfo info(chosen);
    if (request.restrictDirectory && QDir(info.absolutePath()) != QDir(startDirectory)) {
      QMessageBox::information(&dialog, dialog.windowTitle(),
                               QStringLiteral("Bitte eine Datei im Verzeichnis %1 wählen.")
                                   .arg(QDir::toNativeSeparators(startDirectory)));
      continue;
    }
    if (request.restrictExtension && !patterns.isEmpty() && !MatchesAny(info.fileName(), patterns) &&
        !suffix.isEmpty())
      chosen += QLatin1Char('.') + suffix;
    *path = QDir::toNativeSeparators(chosen).toStdString();
    return QFileInfo::exists(chosen) ? VAL_EXISTING_FILE_SELECTED : VAL_NEW_FILE_SELECTED;
  }
}

int QtPopupResponder::userEvent(int, int* panel, int* control) {
  return WaitForUserCommit(panel, control);
}

}  // namespace qtui
