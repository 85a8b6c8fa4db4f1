# Run as cmake -DPAGE_DIR=<folder> -DFILES=<names> -DTEMPLATE=<sw.js.in> -P service_worker.cmake.
# Writes PAGE_DIR/sw.js from the template: the cache it keeps the page's files in is named after
# the files' contents, and it keeps them and the page's own address, ./.
set(contents "")
set(list "\"./\"")
foreach(name ${FILES})
    file(SHA256 "${PAGE_DIR}/${name}" hash)
    string(APPEND contents "${name} ${hash}\n")
    string(APPEND list ", \"${name}\"")
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING "${version}" 0 16 PROPORCIA_PAGE_VERSION)
set(PROPORCIA_PAGE_FILES "${list}")
configure_file("${TEMPLATE}" "${PAGE_DIR}/sw.js" @ONLY)
