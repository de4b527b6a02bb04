# Writes the service worker into the site with its cache named after the
# build: a hash of every other file of the site, so that a new build of any
# of them gives a new cache.
#   cmake -DSITE=<folder> -DWORKER=<sw.js> -P stamp-build.cmake
file(GLOB files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(hashes "")
foreach(name IN LISTS files)
    file(SHA256 ${SITE}/${name} hash)
    string(APPEND hashes "${name} ${hash}\n")
endforeach()
string(SHA256 BUILD "${hashes}")
string(SUBSTRING ${BUILD} 0 16 BUILD)
configure_file(${WORKER} ${SITE}/sw.js @ONLY)
