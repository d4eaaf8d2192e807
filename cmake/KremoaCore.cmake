# kremoa_core: what every saver runtime needs, in standard C++ alone (no Qt, SDL or X), so that
# a runtime built without Qt links the same code as the Qt program. The sources stay in their
# folders; the folder libraries leave them out (kremoa_library removes KREMOA_CORE_SOURCES).
# kremoa_core links nothing and gets no Qt include paths, so a Qt header in one of these files
# fails the build in every configuration.

set(core_dir ${PROJECT_SOURCE_DIR}/src)
file(GLOB core_effects CONFIGURE_DEPENDS ${core_dir}/effects/*.cpp ${core_dir}/effects/*.h)
set(KREMOA_CORE_SOURCES
    ${core_effects}
    ${core_dir}/document/BinaryReader.cpp
    ${core_dir}/document/BinaryReader.h
    ${core_dir}/document/ExpectedOf.h
    ${core_dir}/document/JsonText.cpp
    ${core_dir}/document/JsonText.h
    ${core_dir}/document/PackageLayout.h
    ${core_dir}/document/PackageReader.cpp
    ${core_dir}/document/PackageReader.h
    ${core_dir}/document/ShowLimits.h
    ${core_dir}/document/SlideSettings.h
    ${core_dir}/document/mGetRGB.h
    ${core_dir}/player/Audio.h
    ${core_dir}/player/BlitArea.cpp
    ${core_dir}/player/BlitArea.h
    ${core_dir}/player/CanvasFactory.h
    ${core_dir}/player/CanvasFit.cpp
    ${core_dir}/player/CanvasFit.h
    ${core_dir}/player/ColourRef.h
    ${core_dir}/player/FrameComposer.cpp
    ${core_dir}/player/FrameComposer.h
    ${core_dir}/player/OpaqueBlit.cpp
    ${core_dir}/player/OpaqueBlit.h
    ${core_dir}/player/PixelImage.cpp
    ${core_dir}/player/PixelImage.h
    ${core_dir}/player/PixelRect.h
    ${core_dir}/player/PixelSize.h
    ${core_dir}/player/ShowLoop.cpp
    ${core_dir}/player/ShowLoop.h
    ${core_dir}/player/ShowObserver.h
    ${core_dir}/player/ShowSource.h
    ${core_dir}/player/ShowStage.h
    ${core_dir}/player/TransparentBlit.cpp
    ${core_dir}/player/TransparentBlit.h
    ${core_dir}/runtime/PackageShowSource.cpp
    ${core_dir}/runtime/PackageShowSource.h
    ${core_dir}/runtime/PackageSummary.cpp
    ${core_dir}/runtime/PackageSummary.h
    ${core_dir}/runtime/PlayLog.cpp
    ${core_dir}/runtime/PlayLog.h
    ${core_dir}/runtime/SaverTexts.h
    ${core_dir}/runtime/SoundChoice.h)

add_library(kremoa_core STATIC ${KREMOA_CORE_SOURCES})
target_include_directories(kremoa_core PUBLIC ${core_dir})
# Position independent: the Qt saver runtime links it into a shared library.
set_target_properties(kremoa_core PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF
    POSITION_INDEPENDENT_CODE ON)
kremoa_flags(kremoa_core)
# TransparentBlit's row loop keeps up with a plain copy only when vectorised, which GCC does
# from -O3 on.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    set_source_files_properties(${core_dir}/player/TransparentBlit.cpp
        PROPERTIES COMPILE_OPTIONS "-O3")
endif()
