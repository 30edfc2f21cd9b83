#include "BIG2GB.h"

TBIG2GB::TBIG2GB()
    : FTable(std::make_unique<TResourceStream>(FModule, "BIG2GB", ResourceType::RawData)) {}

ByteString TBIG2GB::Convert(const ByteString& source) {
    ByteString result;
    result.reserve(source.size() + 2);
    PendingLead pending;
    ConvertPart(source, result, pending);
    FinishLine(result, pending);
    return result;
}

void TBIG2GB::ConvertPart(std::string_view part, std::string& out, PendingLead& pending) {
    ConvertPairs(*FTable, Base, part, out, pending);
}

void TBIG2GB::FinishLine(std::string& out, PendingLead& pending) {
    FinishPairs(*FTable, Base, out, pending);
}

char* TBIG2GB::ConvertPart(std::string_view part, char* out, PendingLead& pending) {
    return ConvertPairs(*FTable, Base, part, out, pending);
}

char* TBIG2GB::FinishLine(char* out, PendingLead& pending) {
    return FinishPairs(*FTable, Base, out, pending);
}
