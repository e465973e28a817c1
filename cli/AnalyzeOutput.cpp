#include "cli/AnalyzeOutput.h"

#include "cli/Console.h"

#include <cerrno>
#include <string>
#include <system_error>

namespace clefmark::cli {

void AnalyzeOutput::beginFile(std::string_view file, const FileSummary& summary)
{
    if (!started_)
        formatter_.appendHeader(pending_);
    else if (formatter_.format() == OutputFormat::Text)
        pending_ += '\n';
    started_ = true;
    formatter_.beginFile(pending_, file, summary);
}

void AnalyzeOutput::record(std::string_view file, const BlockRecord& record)
{
    formatter_.appendRecord(pending_, file, record);
}

void AnalyzeOutput::endFile(std::int64_t recordsWithNote)
{
    formatter_.endFile(pending_, recordsWithNote);
}

bool AnalyzeOutput::flushIfFull()
{
    return pending_.size() < kFlushBytes || flush();
}

bool AnalyzeOutput::flush()
{
    const bool written = writeOutput(pending_);
    pending_.clear();
    if (!written)
        return false;
    if (!flushOutput()) {
        reportError("cannot write the results: " + std::generic_category().message(errno));
        return false;
    }
    return true;
}

} // namespace clefmark::cli
