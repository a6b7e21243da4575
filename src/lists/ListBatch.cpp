// Computing a list file for zulc.
#include "lists/ListBatch.h"

#include <filesystem>

#include "eval/Extended.h"
#include "lists/ExpressionList.h"
#include "lists/ListFile.h"

namespace zul {

ListBatchResult ComputeListFile(const std::string& path, const EvalContext& context, bool writeBack) {
    ListBatchResult out;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        out.error = "Файл не существует:\n" + path;
        return out;
    }
    ExpressionList list;
    std::string error;
    const ListReadStatus status = ReadListFile(list, path, false, &error);
    if (status != ListReadStatus::Read) {
        out.error = ListReadErrorText(status, path, error);
        return out;
    }
    try {
        list.ComputeAll(context);
    } catch (const ArithmeticFault& fault) {
        out.fault = fault.what();
    }
    for (int n = 1; n <= list.LineCount(); ++n) out.lines.push_back({n, list.Line(n).result, list.Line(n)});
    if (writeBack && out.fault.empty()) {
        const ListWriteResult written = WriteListFile(list, path);
        if (!written.ok) {
            out.error = "Не удалось сохранить список строк в файле:\n" + path + "\n" + written.error;
            return out;
        }
    }
    out.ok = out.fault.empty();
    return out;
}

}  // namespace zul
