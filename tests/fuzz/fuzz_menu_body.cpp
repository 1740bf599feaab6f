// A whole menu file (version 6, 7 or 8 layout) on arbitrary bytes. The first
// input byte holds the read options (bit 0 reload, bit 1 the editor's placed
// image handling); the rest is the file. A menu that reads without error is
// written again and must read back without error.
#include "FuzzStream.h"
#include "shared/MenuBody.h"

using fuzzing::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    MenuReadOptions options;
    options.Reload = data[0] & 1;
    options.PlcImageAlsoAtFrame0 = (data[0] & 2) != 0;
    fuzzing::UseAsMenuStream(data + 1, size - 1);

    auto menu = std::make_unique<TAQMenu>();
    if (!ReadMnuHeader()) return 0;
    MenuReadReport report;
    const bool ok = ReadMenuBody(*menu, options, &report);
    Check(menu->BtnCount >= 0 && menu->BtnCount <= kMaxObjects);
    Check(report.BlocksSkipped <= report.BlocksRead);
    Check(ok == (report.BodyOk && report.PicturesOk));
    if (!ok) return 0;

    MenuWriteOptions write;
    write.Quiet = options.Reload;
    SetMnuStream(std::make_unique<forms::MemoryStream>());
    ClearMnuError();
    if (!WriteMenuFile(*menu, write)) return 0;  // e.g. more blocks than the count holds
    auto* written = dynamic_cast<forms::MemoryStream*>(MnuStream());
    std::vector<uint8_t> bytes = written->Bytes();
    fuzzing::UseAsMenuStream(bytes.data(), bytes.size());
    auto again = std::make_unique<TAQMenu>();
    Check(ReadMnuHeader());
    Check(ReadMenuBody(*again, options));
    Check(again->BtnCount == menu->BtnCount);
    SetMnuStream(nullptr);
    return 0;
}
