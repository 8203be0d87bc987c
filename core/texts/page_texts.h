// The browser page's own texts: the notice it shows in place of the form
// when the browser lacks what the page needs, or when the page fails to
// start; the notice beside the form where its script does not run; the line
// it shows while a slow start goes on. Each {} is filled in turn. The
// browsers named in WhatToDo are the page's floor, the same as
// web/package.json's browserslist and the README.
#pragma once

#include <string_view>

namespace lodarix::page_texts {

// Below the floor: the heading, then what is missing, {} the list.
inline constexpr std::string_view TooOld = "Този браузър е твърде стар за Lodarix.";
inline constexpr std::string_view Missing = "Не поддържа: {}.";
// A failure while starting: the heading, then the browser's own words, {}.
inline constexpr std::string_view StartFailed = "Lodarix не успя да се стартира в този браузър.";
inline constexpr std::string_view Reason = "Причина: {}";
// What to do, after either.
inline constexpr std::string_view WhatToDo =
    "Отворете файла в по-нов браузър: Chrome или Edge 103, Firefox 115, Safari 16.4 (на iPad "
    "и iPhone: iPadOS или iOS 16.4) или по-нови версии. Или използвайте настолната програма "
    "Lodarix.";

// Script turned off or blocked: the heading, then what to do.
inline constexpr std::string_view NoScript = "Lodarix има нужда от JavaScript.";
inline constexpr std::string_view NoScriptWhatToDo =
    "В този браузър JavaScript е изключен или спрян (от настройките му или от филтър на "
    "мрежата). Включете го за този файл или тази страница, или използвайте настолната "
    "програма Lodarix.";
// Below the form while the program still starts, after the first 2 s.
inline constexpr std::string_view Starting = "Програмата се стартира…";

// What the start-up check finds missing, one item of the list each.
inline constexpr std::string_view NeedsWebAssembly = "WebAssembly";
inline constexpr std::string_view NeedsWasmExceptions =
    "изключения в WebAssembly (exception handling)";
inline constexpr std::string_view NeedsWasmPolicy =
    "WebAssembly в защитена страница (политика за сигурност 'wasm-unsafe-eval')";
inline constexpr std::string_view NeedsModules = "модули на JavaScript";
inline constexpr std::string_view NeedsLanguage =
    "езика, на който са написани скриптовете на страницата (ECMAScript 2022)";
inline constexpr std::string_view NeedsDecompression =
    "разархивиране на gzip (DecompressionStream)";
inline constexpr std::string_view NeedsInert = "неактивни части на страницата (inert)";
inline constexpr std::string_view NeedsCanvas = "рисуване и запис на графики (canvas)";
inline constexpr std::string_view NeedsDownloads =
    "изтегляне на файлове, направени от страницата (Blob)";
inline constexpr std::string_view NeedsStyle = "оформлението на страницата (CSS: {})";

} // namespace lodarix::page_texts
