# Sources of the drawing half of the layer (GDI on Cairo), listed for
# platform/CMakeLists.txt.
set(VORA_PLATFORM_GDI_SOURCES)
