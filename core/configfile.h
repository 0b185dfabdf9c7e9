// The reader and writer of the program's settings files: sections in square brackets,
// "name = value" entries, ";" comments, and multi-line values stored as escaped blocks.
// The whole file lives in memory as a list of lines; only Load and Save touch the disk.
#pragma once

#include <QString>

#include <string>
#include <vector>

class IMessagePresenter;

class CConfigFile {
public:
    void Clear();

    // Replaces the lines by the file's content. A missing or unreadable file gives an empty
    // document; the result is always true.
    bool Load(const QString& strPath);

    // Writes the whole document with CR LF line ends. The old file is replaced only by a
    // complete new one, so a failure leaves it as it was; false on failure, and pMessages
    // (when given) tells the player which file could not be written.
    bool Save(const QString& strPath, IMessagePresenter* pMessages = nullptr);

    // Index of the header "[name]" or -1; nCount receives the number of lines that follow
    // it up to the next empty line or header.
    int FindSection(const QString& strSection, int& nCount) const;

    // As FindSection, but appends the section when it is missing. -1 for an empty name or a
    // name containing "=".
    int EnsureSection(const QString& strSection, int& nCount);

    // Index of the entry "name = value" at or after nStart within one section, or -1.
    int FindKey(int nStart, const QString& strName, QString& strValue) const;

    // A multi-line value reads back with CR LF between its lines.
    bool ReadString(const QString& strSection, const QString& strName, const QString& strDefault,
                    QString& strValue) const;
    // True when the stored value contains "true" anywhere.
    bool ReadBool(const QString& strSection, const QString& strName, bool bDefault,
                  bool& bValue) const;

    // Creates or replaces the entry; false when the section or the name is refused.
    bool WriteString(const QString& strSection, const QString& strName, const QString& strValue);
    bool WriteBool(const QString& strSection, const QString& strName, bool bValue);

    // The lines as UTF-8 text; bytes that are not valid UTF-8 are kept as they were read.
    const std::vector<std::string>& GetLines() const { return m_saLines; }

private:
    void Tidy();
    int FindKeyLine(int nStart, const std::string& strName, std::string& strValue) const;

    std::vector<std::string> m_saLines;
};
