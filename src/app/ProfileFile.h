#pragma once

#include <QString>
#include <QStringList>

namespace fahuo {

// A Windows profile (INI) file in GBK, read and written the way GetPrivateProfileString and
// WritePrivateProfileString do, so that confi.ini moves between this program and a Windows
// build unchanged:
// - lines end in CR LF when written; CR LF, LF or CR are accepted when read;
// - section and key names are matched without regard to letter case, the first match wins;
// - a value read back loses its leading and trailing spaces and tabs, then one pair of matching
//   single or double quotes around it, and is cut to 10,239 bytes (a 10,240-byte buffer) at a
//   character boundary;
// - writing a key replaces its line in place and keeps everything else of the file.
// A character that GBK cannot hold is written as "&#xHEX;" and read back as that character,
// instead of the "?" the Windows functions would leave.
class ProfileFile {
  public:
    static constexpr int kValueBufferBytes = 10240;

    // Reads the file; a missing or unreadable file gives an empty profile and false.
    bool Load(const QString& path);
    // Writes the whole file (atomically); false when it cannot be written.
    bool Save(const QString& path) const;

    // The value as the Windows function returns it; empty when the key is missing.
    QString Value(const QString& section, const QString& key) const;
    bool Contains(const QString& section, const QString& key) const;
    void SetValue(const QString& section, const QString& key, const QString& value);

    const QStringList& Lines() const { return lines_; }

  private:
    int FindSection(const QString& section) const;
    // Index of the key's line inside the section starting at `sectionLine`, or -1.
    int FindKey(int sectionLine, const QString& key) const;
    int SectionEnd(int sectionLine) const;

    QStringList lines_;
};

// Cuts a text so that its GBK form has at most `maxBytes` bytes, never inside a character.
QString CutToGbkBytes(const QString& text, int maxBytes);

}  // namespace fahuo
