// Any settings file loads; saved and loaded again it holds the same lines, and a second save
// writes the same bytes.
#include "fuzzcheck.h"
#include "fuzzfolder.h"

#include "core/configfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const QString strInput = FuzzFilePath(QStringLiteral("input.ini"));
    const QString strSaved = FuzzFilePath(QStringLiteral("saved.ini"));
    FUZZ_CHECK(WriteFuzzFile(
        strInput, QByteArray(reinterpret_cast<const char*>(pData), static_cast<qsizetype>(nSize))));
    CConfigFile file;
    file.Load(strInput);
    const std::vector<std::string> saLoaded = file.GetLines();
    FUZZ_CHECK(file.Save(strSaved));
    const QByteArray baSaved = ReadFuzzFile(strSaved);

    CConfigFile again;
    again.Load(strSaved);
    FUZZ_CHECK(again.GetLines() == saLoaded);
    FUZZ_CHECK(again.Save(strSaved));
    FUZZ_CHECK(ReadFuzzFile(strSaved) == baSaved);

    return 0;
}
