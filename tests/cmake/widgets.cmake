# The picture of the standard controls is drawn from the baked default art and fonts.
if(TARGET test_engine_widgets_gl)
  add_dependencies(test_engine_widgets_gl content)
endif()
