// TFormZapiska: the commands on the entries, the heading and the preview.
#include "report/window/UZapiska.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QToolButton>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTextBrowser>
#include <QTimer>

#include "app/Calculator.h"
#include "platform/Platform.h"
#include "app/ReportHtml.h"
#include "widgets/Panels.h"
#include "widgets/QtText.h"
#include "lists/ExpressionList.h"
#include "report/window/JournalModel.h"

namespace zul {

namespace {

// "3. 2+3 = 5  (note)" for the row picker.
QString CandidateText(int number, const JournalEntry& entry) {
    QString text = QString::number(number) + QStringLiteral(". ") + ToQ(entry.text);
    if (!entry.result.empty()) text += QStringLiteral(" = ") + ToQ(entry.result);
    if (!entry.note.empty()) text += QStringLiteral("   (") + ToQ(entry.note) + QLatin1Char(')');
    return text;
}

}  // namespace

int TFormZapiska::SelectedEntry() const {
    const QModelIndex current = GridZapiska->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TFormZapiska::SelectEntry(int entry) {
    if (entry < 0 || entry >= model_->rowCount()) return;
    const QModelIndex index = model_->index(entry, JournalModel::kCaption);
    GridZapiska->setCurrentIndex(index);
    GridZapiska->scrollTo(index);
}

void TFormZapiska::ShowCounts() {
    const Journal& journal = calc_.report.journal;
    std::size_t inDocument = 0;
    for (const JournalEntry& e : journal.Entries()) inDocument += e.inDocument ? 1 : 0;
    PanWhat->setText(QStringLiteral("Записей: %1,  в записке: %2").arg(journal.Size()).arg(inDocument));
    const bool any = !journal.Empty();
    for (QWidget* w : std::initializer_list<QWidget*>{SpButUp, SpButDown, BBtnDel, SpButClear})
        w->setEnabled(any);
    for (QAction* a : {NUp, NDown, NDel, NClear}) a->setEnabled(any);
}

void TFormZapiska::JournalChanged(std::optional<int> select) {
    model_->Reload();
    if (select) SelectEntry(*select);
    ShowCounts();
    // The settings file stores the journal.
    calc_.main.settingsFile.MarkModifiedIfInUse();
    previewTimer_->start();
}

void TFormZapiska::SpButUpClick() {
    const int i = SelectedEntry();
    if (i >= 1 && calc_.report.journal.Move(static_cast<std::size_t>(i), static_cast<std::size_t>(i - 1)))
        JournalChanged(i - 1);
}

void TFormZapiska::SpButDownClick() {
    const int i = SelectedEntry();
    if (i >= 0 && calc_.report.journal.Move(static_cast<std::size_t>(i), static_cast<std::size_t>(i + 1)))
        JournalChanged(i + 1);
}

void TFormZapiska::BBtnDelClick() {
    const int i = SelectedEntry();
    if (i < 0) return;
    if (!platform_.ConfirmYesNo("Удалить запись №" + std::to_string(i + 1) + "?")) return;
    Journal& journal = calc_.report.journal;
    if (!journal.Remove(static_cast<std::size_t>(i))) return;
    JournalChanged(std::min(i, static_cast<int>(journal.Size()) - 1));
}

void TFormZapiska::SpButClearClick() {
    if (calc_.report.journal.Empty()) return;
    if (!platform_.ConfirmYesNo("Удалить из расчётной записки все записи с их примечаниями?")) return;
    calc_.report.journal.Clear();
    JournalChanged(std::nullopt);
}

void TFormZapiska::AddEntries(std::vector<Candidate> candidates, const QString& title) {
    QStringList rows;
    for (const Candidate& c : candidates) rows << CandidateText(c.number, c.entry);
    const std::vector<int> chosen = pick_ ? pick_(title, rows) : std::vector<int>{};
    int added = 0;
    for (int i : chosen) {
        if (i < 0 || i >= static_cast<int>(candidates.size())) continue;
        calc_.report.journal.Add(std::move(candidates[static_cast<std::size_t>(i)].entry));
        ++added;
    }
    if (added > 0) JournalChanged(static_cast<int>(calc_.report.journal.Size()) - 1);
}

void TFormZapiska::BBtnAddMemClick() {
    const MemoryTable& memory = calc_.memory;
    const Stamp stamp = StampNow();
    std::vector<Candidate> candidates;
    for (int r = 1; r <= memory.RowCount(); ++r)
        if (std::optional<JournalEntry> entry = MakeMemoryEntry(memory.Row(r), stamp))
            candidates.push_back({r, std::move(*entry)});
    if (candidates.empty()) {
        platform_.ShowInformation("В памяти Калькулятора нет выражений.");
        return;
    }
    AddEntries(std::move(candidates), QStringLiteral("Строки памяти Калькулятора"));
}

void TFormZapiska::BBtnAddListClick() {
    const std::vector<ListLine> lines = sources_.listLines ? sources_.listLines() : std::vector<ListLine>{};
    const Stamp stamp = StampNow();
    std::vector<Candidate> candidates;
    for (std::size_t n = 0; n < lines.size(); ++n)
        if (std::optional<JournalEntry> entry = MakeListLineEntry(lines[n], stamp))
            candidates.push_back({static_cast<int>(n) + 1, std::move(*entry)});
    if (candidates.empty()) {
        platform_.ShowInformation("В списке выражений нет строк с выражениями.");
        return;
    }
    AddEntries(std::move(candidates), QStringLiteral("Строки списка выражений"));
}

void TFormZapiska::HeadingEdited() {
    calc_.report.heading = {ToStd(EditObject->text().trimmed()), ToStd(EditSection->text().trimmed()),
                            ToStd(EditAuthor->text().trimmed()), ToStd(EditDate->text().trimmed())};
    previewTimer_->start();
}

void TFormZapiska::RefreshPreview() {
    previewTimer_->stop();
    QScrollBar* bar = TextPreview->verticalScrollBar();
    const int position = bar->value();
    TextPreview->setHtml(ToQ(DocumentHtml()));
    bar->setValue(position);
}

}  // namespace zul
