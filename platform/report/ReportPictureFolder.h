#pragma once

#include <QString>
#include <QTemporaryDir>

#include <optional>

// Where one report writes the plot pictures it prints: a folder of its own
// under the system's temporary folder, which no other report, of this
// instance of the program or of another one printing at the same moment,
// writes to. The folder goes, with every picture in it, when the report lets
// it go. (Pictures kept beside the report definitions were shared: two
// instances printing at once each read the other's pictures.)
class ReportPictureFolder
{
public:
    ReportPictureFolder();
    ReportPictureFolder(const ReportPictureFolder&) = delete;
    ReportPictureFolder& operator=(const ReportPictureFolder&) = delete;

    // Whether the folder could be made.
    bool isValid() const;
    // The folder, ending in "/"; empty when it could not be made.
    QString path() const;

private:
    std::optional<QTemporaryDir> m_dir;
};
