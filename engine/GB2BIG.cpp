#include "GB2BIG.h"

TGB2BIG::TGB2BIG()
    : FTable(std::make_unique<TResourceStream>(FModule, "GB2BIG", ResourceType::RawData)) {}

ByteString TGB2BIG::Convert(const ByteString& source) {
    ByteString result;
    result.reserve(source.size() + 2);
    PendingLead pending;
    ConvertPart(source, result, pending);
    FinishLine(result, pending);
    return result;
}

void TGB2BIG::ConvertPart(std::string_view part, std::string& out, PendingLead& pending) {
    ConvertPairs(*FTable, Base, part, out, pending);
}

void TGB2BIG::FinishLine(std::string& out, PendingLead& pending) {
    FinishPairs(*FTable, Base, out, pending);
}

char* TGB2BIG::ConvertPart(std::string_view part, char* out, PendingLead& pending) {
    return ConvertPairs(*FTable, Base, part, out, pending);
}

char* TGB2BIG::FinishLine(char* out, PendingLead& pending) {
    return FinishPairs(*FTable, Base, out, pending);
}
