#pragma once

#include <emscripten/val.h>

// The page's address, the clipboard and the downloads, through the browser, which may refuse
// any (page_address.js, clipboard.js, save_file.js): nothing here throws.
extern "C" {
// Writes the query (or a path) into the address without loading it: 1, or 0 where refused.
int web_ui_replace_query(emscripten::EM_VAL query);
// As web_ui_replace_query, as a new entry of the history.
int web_ui_push_query(emscripten::EM_VAL query);
// Puts text on the clipboard, then calls callback(context, 1), or (context, 0) where refused.
void web_ui_copy_text(emscripten::EM_VAL text, void (*callback)(void*, int), void* context);
// Offers bytes (a Uint8Array) as a file of that name and media type: 1, or 0 where refused.
int web_ui_save_file(emscripten::EM_VAL name, emscripten::EM_VAL type, emscripten::EM_VAL bytes);
}
