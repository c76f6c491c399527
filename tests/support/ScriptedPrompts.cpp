#include "ScriptedPrompts.h"

#include <gtest/gtest.h>

void ScriptedPrompts::answerMessage(int answer, std::optional<QString> expectedText)
{
    m_queue.push_back({ Kind::Message, answer, std::nullopt, std::move(expectedText) });
}

void ScriptedPrompts::answerFile(std::optional<QString> path, std::optional<QString> expectedTitle)
{
    m_queue.push_back({ Kind::File, IdCancel, std::move(path), std::move(expectedTitle) });
}

void ScriptedPrompts::answerPrinter(bool accept)
{
    m_queue.push_back({ Kind::Printer, accept ? IdOk : IdCancel, std::nullopt, std::nullopt });
}

std::optional<ScriptedPrompts::Expected> ScriptedPrompts::take(Kind kind, const QString& what)
{
    if (m_queue.empty() || m_queue.front().kind != kind) {
        ADD_FAILURE() << "unexpected prompt: " << what.toStdString();
        return std::nullopt;
    }
    Expected next = m_queue.front();
    m_queue.pop_front();
    if (next.expectedText && *next.expectedText != what)
        ADD_FAILURE() << "prompt \"" << what.toStdString() << "\", expected \"" << next.expectedText->toStdString()
                      << "\"";
    return next;
}

int ScriptedPrompts::message(const Message& message)
{
    m_records.push_back({ Kind::Message, message, {}, {} });
    const auto next = take(Kind::Message, message.text);
    if (next)
        return next->answer;
    return message.buttons == Buttons::YesNo ? IdNo : IdCancel;
}

std::optional<QString> ScriptedPrompts::file(const FileDialog& dialog)
{
    m_records.push_back({ Kind::File, {}, dialog, {} });
    const auto next = take(Kind::File, dialog.title);
    return next ? next->path : std::nullopt;
}

void ScriptedPrompts::openHelp(const QUrl& url)
{
    m_records.push_back({ Kind::Help, {}, {}, url });
}

bool ScriptedPrompts::choosePrinter(QPrinter&, QWidget*)
{
    m_records.push_back({ Kind::Printer, {}, {}, {} });
    const auto next = take(Kind::Printer, QStringLiteral("printer choice"));
    return next && next->answer == IdOk;
}

std::vector<Prompts::Message> ScriptedPrompts::messages() const
{
    std::vector<Message> result;
    for (const Record& record : m_records)
        if (record.kind == Kind::Message)
            result.push_back(record.message);
    return result;
}

QStringList ScriptedPrompts::messageTexts() const
{
    QStringList texts;
    for (const Message& message : messages())
        texts << message.text;
    return texts;
}

int ScriptedPrompts::pendingAnswers() const
{
    return static_cast<int>(m_queue.size());
}
