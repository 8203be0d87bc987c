# cmake -DNPM=npm -DDIR=web -P npm_ci.cmake: installs DIR's npm packages
# exactly as its lock file pins them (npm ci), unless that was done since the
# lock file or the manifest last changed.
set(stamp ${DIR}/node_modules/.lodarix-npm-ci)
if(EXISTS ${stamp} AND NOT ${DIR}/package-lock.json IS_NEWER_THAN ${stamp}
   AND NOT ${DIR}/package.json IS_NEWER_THAN ${stamp})
    message(STATUS "npm packages already installed from the lock file")
    return()
endif()
execute_process(COMMAND ${NPM} ci WORKING_DIRECTORY ${DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "npm ci failed: ${result}")
endif()
file(TOUCH ${stamp})
