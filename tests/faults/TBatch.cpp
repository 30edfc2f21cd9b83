#include "TBatch.h"

#include "Exception.h"
#include "FileNames.h"

TBatch::Destination TBatch::SameFolder(const ByteString& suffix) {
    return [suffix](const ByteString& source) {
        const ByteString name = ExtractFileName(source);
        const ByteString extension = ExtractFileExt(name);
        return ExtractFilePath(source) + name.substr(0, name.size() - extension.size()) + suffix +
               extension;
    };
}

TBatch::Destination TBatch::OtherFolder(const ByteString& folder) {
    return [folder](const ByteString& source) { return folder + "/" + ExtractFileName(source); };
}

BatchOutcome TBatch::Run(const std::vector<ByteString>& sources, const Destination& destination,
                         const BeforeEach& beforeEach) const {
    BatchOutcome outcome;
    const ShowMessage show = [&outcome](const ByteString& message) {
        outcome.shown.push_back(message);
    };
    for (const ByteString& source : sources) {
        if (beforeEach)
            beforeEach(outcome.started);
        ++outcome.started;
        try {
            ConvertFile(source, destination(source), FDirection, ShouldModifyCharset(source, true),
                        FConverters, show);
        } catch (const Exception& e) {
            outcome.raised = e.Message();
            break;
        }
    }
    return outcome;
}
