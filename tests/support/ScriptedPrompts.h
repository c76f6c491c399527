#pragma once

#include "ui/Prompts.h"

#include <deque>
#include <optional>
#include <vector>

// Prompts for tests: every call is recorded, every answer comes from a queue
// the test filled beforehand. A prompt with no answer queued, or one whose
// text differs from the expected one, fails the test and gets Cancel/No/none,
// so nothing ever waits for a person.
class ScriptedPrompts : public Prompts
{
public:
    enum class Kind { Message, File, Help, Printer };

    struct Record {
        Kind kind;
        Message message; // for Kind::Message
        FileDialog dialog; // for Kind::File
        QUrl url; // for Kind::Help
    };

    // Queue the answer to the next message box; with `expectedText` the box's
    // text must match it.
    void answerMessage(int answer, std::optional<QString> expectedText = std::nullopt);
    // Queue the path chosen in the next file dialog (nothing = Cancel).
    void answerFile(std::optional<QString> path, std::optional<QString> expectedTitle = std::nullopt);
    void answerPrinter(bool accept);

    int message(const Message& message) override;
    std::optional<QString> file(const FileDialog& dialog) override;
    void openHelp(const QUrl& url) override;
    bool choosePrinter(QPrinter& printer, QWidget* owner) override;

    const std::vector<Record>& records() const { return m_records; }
    std::vector<Message> messages() const;
    QStringList messageTexts() const;
    void clearRecords() { m_records.clear(); }

    // Answers still waiting; a test that queued more than it used is wrong too.
    int pendingAnswers() const;

private:
    struct Expected {
        Kind kind;
        int answer = IdCancel;
        std::optional<QString> path;
        std::optional<QString> expectedText;
    };
    std::optional<Expected> take(Kind kind, const QString& what);

    std::deque<Expected> m_queue;
    std::vector<Record> m_records;
};
