// A spreadsheet for tests that records every call, with its values and their
// types, as one line of text each; it can be told to refuse a call, as a
// spreadsheet application reporting an error would.
#pragma once

#include "history/spreadsheet.h"

#include <QStringList>
#include <memory>

class RecordingSpreadsheet final : public Spreadsheet {
public:
    // The log outlives the spreadsheet, so that its release is recorded too.
    explicit RecordingSpreadsheet(std::shared_ptr<QStringList> log, int refusedCall = -1);
    ~RecordingSpreadsheet() override;

    void setColumnWidth(int column, int width) override;
    void merge(const QString& range) override;
    void setRowBold(int row, bool bold) override;
    void setCell(int row, int column, const QVariant& value) override;
    void setFormula(int row, int column, const QString& formula) override;
    void setBorders(const QString& range, Border property, int value) override;
    void show() override;

    static constexpr auto RefusalText = "The spreadsheet refused the call.";

private:
    void record(const QString& call);

    std::shared_ptr<QStringList> log_;
    int refusedCall_;
    int calls_ = 0;
};

// A factory for setSpreadsheetFactory whose spreadsheets record into log;
// refusedCall counts calls from 0, -1 refuses none.
SpreadsheetFactory recordingFactory(std::shared_ptr<QStringList> log, int refusedCall = -1);
