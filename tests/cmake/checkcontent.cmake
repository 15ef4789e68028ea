# The default content passes the content checker.
if(TARGET chrona)
  add_test(NAME check_default_content COMMAND chrona --check-content ${CHRONA_CONTENT_DIR})
  set_tests_properties(check_default_content PROPERTIES LABELS game)
endif()
