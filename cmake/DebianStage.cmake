# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack on the staged tree before it packs the Debian package: adds what only a package holds
# and strips the program as dh_strip would, without the sections it needs not carry.
set(stage ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(doc ${stage}/share/doc/${CPACK_PACKAGE_NAME})
file(COPY_FILE ${CPACK_QK_CHANGELOG} ${doc}/changelog.Debian)
# -n: no name or time in the header, so that the same sources give the same package.
execute_process(COMMAND gzip -9nf ${doc}/changelog.Debian COMMAND_ERROR_IS_FATAL ANY)
file(MAKE_DIRECTORY ${stage}/share/lintian/overrides)
file(COPY_FILE ${CPACK_QK_LINTIAN_OVERRIDES} ${stage}/share/lintian/overrides/${CPACK_PACKAGE_NAME})
execute_process(COMMAND ${CPACK_QK_STRIP} --remove-section=.comment --remove-section=.note
                        ${stage}/bin/${CPACK_PACKAGE_NAME} COMMAND_ERROR_IS_FATAL ANY)
