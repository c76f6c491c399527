#pragma once

#include <QString>
#include <QVariantMap>

// One control of a dialog template: its kind, id, caption and rectangle in
// dialog units, window styles, and for vendor controls placed by the template
// their persisted class and persisted properties.
struct ControlSpec {
    enum class Kind {
        Static, // label
        Edit, // single- or multi-line edit (see styles)
        Button,
        CheckBox,
        RadioButton,
        GroupBox,
        Placeholder, // hidden group box whose rectangle hosts a control made later
        ComboBox, // drop-down list; items in `properties["items"]` (QStringList)
        ListBox,
        ProgressBar,
        Picture, // shows the picture whose resource id is in `text`
        Vendor, // a registered control made by its persisted class
    };

    enum Style : unsigned {
        Hidden = 1u << 0,
        Disabled = 1u << 1,
        ReadOnly = 1u << 2,
        MultiLine = 1u << 3,
        VScroll = 1u << 4,
        AlignRight = 1u << 6,
        AlignCenter = 1u << 7,
        GroupStart = 1u << 8, // starts a new radio group
        Bitmap = 1u << 9, // button face is the picture whose id is in `text`
        DefaultButton = 1u << 10,
        PushLike = 1u << 11, // check box or radio drawn as a push button
        Border = 1u << 12,
        NoBorder = 1u << 13, // a single-line edit drawn without its frame
    };

    Kind kind = Kind::Static;
    int id = -1;
    QString text;
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    unsigned style = 0;
    QString className;
    QVariantMap properties;

    static ControlSpec label(int id, const QString& text, int x, int y, int w, int h, unsigned style = 0)
    {
        return { Kind::Static, id, text, x, y, w, h, style, {}, {} };
    }
    static ControlSpec edit(int id, int x, int y, int w, int h, unsigned style = 0)
    {
        return { Kind::Edit, id, {}, x, y, w, h, style, {}, {} };
    }
    static ControlSpec button(int id, const QString& text, int x, int y, int w, int h, unsigned style = 0)
    {
        return { Kind::Button, id, text, x, y, w, h, style, {}, {} };
    }
    static ControlSpec check(int id, const QString& text, int x, int y, int w, int h, unsigned style = 0)
    {
        return { Kind::CheckBox, id, text, x, y, w, h, style, {}, {} };
    }
    static ControlSpec radio(int id, const QString& text, int x, int y, int w, int h, unsigned style = 0)
    {
        return { Kind::RadioButton, id, text, x, y, w, h, style, {}, {} };
    }
    static ControlSpec group(int id, const QString& text, int x, int y, int w, int h, unsigned style = 0)
    {
        return { Kind::GroupBox, id, text, x, y, w, h, style, {}, {} };
    }
    static ControlSpec placeholder(int id, int x, int y, int w, int h)
    {
        return { Kind::Placeholder, id, {}, x, y, w, h, Hidden, {}, {} };
    }
    static ControlSpec combo(int id, const QStringList& items, int x, int y, int w, int h, unsigned style = 0)
    {
        return { Kind::ComboBox, id, {}, x, y, w, h, style, {}, { { QStringLiteral("items"), items } } };
    }
    static ControlSpec list(int id, int x, int y, int w, int h, unsigned style = 0)
    {
        return { Kind::ListBox, id, {}, x, y, w, h, style, {}, {} };
    }
    static ControlSpec progress(int id, int x, int y, int w, int h, unsigned style = 0)
    {
        return { Kind::ProgressBar, id, {}, x, y, w, h, style, {}, {} };
    }
    static ControlSpec picture(int id, int resourceId, int x, int y, int w, int h, unsigned style = 0)
    {
        return { Kind::Picture, id, QString::number(resourceId), x, y, w, h, style, {}, {} };
    }
    static ControlSpec vendor(int id, const QString& persistedClass, int x, int y, int w, int h,
        QVariantMap properties = {}, unsigned style = 0)
    {
        return { Kind::Vendor, id, {}, x, y, w, h, style, persistedClass, std::move(properties) };
    }
};
