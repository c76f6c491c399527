#pragma once

#include <QString>
#include <QUrl>

#include <optional>

class QWidget;
class QPrinter;

// The one seam for everything that asks the user: message boxes, file
// dialogs, help and the printer choice. The program shows Qt dialogs; tests
// install scripted prompts that record each call and answer from a queue.
class Prompts
{
public:
    // Answers, numbered as the message-box results the pages compare against.
    enum Answer { IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Icon { None, Question, Warning, Information, Error };

    struct Message {
        QString text;
        // No caption means the default caption (see setDefaultCaption); an
        // explicitly empty caption stays empty.
        std::optional<QString> caption;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        QWidget* owner = nullptr; // none: the box has no parent
    };

    struct FileDialog {
        bool save = false;
        QString title;
        QString filter; // as the pages write it: "(*.pst)|*.pst|"
        QString defaultExt; // without the dot
        QString initialName;
        bool confirmOverwrite = true;
        QWidget* owner = nullptr;
    };

    virtual ~Prompts() = default;

    virtual int message(const Message& message) = 0;
    // The full path chosen, or nothing when cancelled.
    virtual std::optional<QString> file(const FileDialog& dialog) = 0;
    virtual void openHelp(const QUrl& url) = 0;
    // Lets the user pick a printer for `printer`; false when cancelled.
    virtual bool choosePrinter(QPrinter& printer, QWidget* owner) = 0;

    static Prompts& instance();
    // Installs prompts (not owned); nullptr goes back to the Qt dialogs.
    static void install(Prompts* prompts);

    // The caption of every box shown without one, for the whole process: the
    // program sets its title once at start-up. Until then, or after an empty
    // one, it is the application's name.
    static void setDefaultCaption(const QString& caption);
    static QString defaultCaption();
    // The caption a box for `message` shows.
    static QString captionOf(const Message& message);

    // Shorthand for the common box. A box without a caption goes to the
    // prompts with the default caption filled in, so what they record is
    // what a real box would show.
    static int show(const QString& text, const std::optional<QString>& caption = std::nullopt,
        Buttons buttons = Buttons::Ok, Icon icon = Icon::None, QWidget* owner = nullptr);
};

// "(*.x)|*.x|" -> "(*.x)" and "*.x|*.x|" -> "*.x (*.x)": the pages' filter
// strings as Qt name filters.
QString translateFileFilter(const QString& filter);
