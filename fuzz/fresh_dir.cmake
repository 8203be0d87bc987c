# cmake -DDIR=path -P fresh_dir.cmake: an empty folder at path.
file(REMOVE_RECURSE "${DIR}")
file(MAKE_DIRECTORY "${DIR}")
