// The reader and writer of the program's settings files: sections in square brackets,
// "name = value" entries, ";" comments, and multi-line values stored as escaped blocks.
// The whole file lives in memory as a list of lines; only Load and Save touch the disk.
#pragma once

#include <QString>

#include <functional>
#include <string>
#include <vector>

class CConfigFile {
public:
    // Called with the path when Save cannot write a file; the application shows its
    // message there. Without a hook a failed save is only reported by Save's result.
    using WriteErrorHook = std::function<void(const QString& strPath)>;
    static void SetWriteErrorHook(WriteErrorHook hook);

    void Clear();

    // Replaces the lines by the file's content. A missing or unreadable file gives an empty
    // document; the result is always true.
    bool Load(const QString& strPath);

    // Writes the whole document with CR LF line ends. The old file is replaced only by a
    // complete new one, so a failure leaves it as it was; false on failure.
    bool Save(const QString& strPath);

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
