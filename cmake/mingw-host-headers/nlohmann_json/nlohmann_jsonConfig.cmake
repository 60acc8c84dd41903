# nlohmann-json (nlohmann-json3-dev, header-only) for the Windows cross build.
include(${CMAKE_CURRENT_LIST_DIR}/../host-headers.cmake)
if(EXISTS /usr/include/nlohmann/json.hpp)
  velt1_host_headers(nlohmann_json::nlohmann_json nlohmann)
else()
  set(nlohmann_json_FOUND FALSE)
  set(nlohmann_json_NOT_FOUND_MESSAGE "/usr/include/nlohmann/json.hpp is missing (package nlohmann-json3-dev)")
endif()
