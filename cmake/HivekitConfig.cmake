# CMake package of Hivekit: find_package(Hivekit) gives the imported target Hivekit::hivekit.
include("${CMAKE_CURRENT_LIST_DIR}/HivekitTargets.cmake")
