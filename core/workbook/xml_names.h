// The XML declaration, namespaces and content types of an .xlsx file's parts.
#pragma once

#include <string_view>

namespace lodarix::workbook {

inline constexpr std::string_view XmlDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

inline constexpr std::string_view SpreadsheetNamespace =
    "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
inline constexpr std::string_view RelationshipsNamespace =
    "http://schemas.openxmlformats.org/package/2006/relationships";
inline constexpr std::string_view ContentTypesNamespace =
    "http://schemas.openxmlformats.org/package/2006/content-types";
// The namespace of r:id, where a workbook names its sheets' relationships.
inline constexpr std::string_view DocumentRelationshipsNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
// The prefix of the relationship types; "officeDocument", "worksheet" and
// the like follow it.
inline constexpr std::string_view RelationshipType =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
// The prefix of the parts' content types; "sheet.main+xml" and the like follow it.
inline constexpr std::string_view SpreadsheetContentType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.";

} // namespace lodarix::workbook
