#pragma once

#include "ControlSpec.h"

#include <QWidget>

#include <functional>
#include <map>
#include <vector>

class QButtonGroup;

// The base of every page: a widget built from its dialog template, whose
// controls are found by their numeric ids, with window timers by id and
// guarded entry points. The main frame drives every page through the same
// three calls: OnInitialUpdate once, ActivatePage when shown, StopTimers
// before any switch.
class FormPage : public QWidget
{
    Q_OBJECT

public:
    FormPage(const QString& className, int templateId, QWidget* parent = nullptr);
    ~FormPage() override;

    const QString& className() const { return m_className; }
    int templateId() const { return m_templateId; }

    virtual void OnInitialUpdate() { }
    virtual void ActivatePage() { }
    virtual void StopTimers() { }

    // Controls by id: template controls and those added later.
    QWidget* control(int id) const;
    template <class T> T* controlAs(int id) const { return qobject_cast<T*>(control(id)); }
    // Gives a control made after the template its id (object name and property).
    void addControl(int id, QWidget* widget);

    // The rectangle of a template control (a placeholder) in page pixels, and
    // in screen coordinates as the control factories take it.
    QRect controlRect(int id) const;
    QRect controlScreenRect(int id) const;
    QRect screenToClient(const QRect& screen) const;

    // The text of an edit, label, button or group caption; empty for others.
    QString windowText(int id) const;
    void setWindowText(int id, const QString& text);
    void enableControl(int id, bool enable);
    void showControl(int id, bool show);
    // Unchecks every radio of the group that holds `id` (exclusivity off around it).
    void uncheckRadioGroup(int id);

    // Window timers by id.
    void setTimer(int id, int ms);
    void killTimer(int id);
    bool timerArmed(int id) const;
    virtual void onTimer(int id) { }

    // Runs a handler body through the handler guard, named "<class> <handler>".
    bool guard(const char* handler, const std::function<void()>& body);
    // Runs the handler of a control event inside the guard: at once, or, when
    // the event came while a device transaction waited (a focus change served
    // with the window), once the transaction is over.
    void handle(const char* handler, std::function<void()> body);

    // Handler connections; each runs its body through guard().
    void onClicked(int id, const char* handler, std::function<void()> body);
    void onTextChanged(int id, const char* handler, std::function<void()> body);
    void onKillFocus(int id, const char* handler, std::function<void()> body);

    void setToolTips(const std::vector<std::pair<int, QString>>& tips);

    static int idOf(const QWidget* widget);

protected:
    // Builds the page from its template: size in dialog units and controls.
    void buildTemplate(int widthDu, int heightDu, const std::vector<ControlSpec>& controls);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createControl(const ControlSpec& spec);
    void placeRadio(QWidget* radio, const ControlSpec& spec);

    QString m_className;
    int m_templateId;
    std::map<int, QWidget*> m_controls;
    std::map<QObject*, std::pair<const char*, std::function<void()>>> m_killFocus;
    QButtonGroup* m_radioGroup = nullptr;
    bool m_lastWasRadio = false;
};
