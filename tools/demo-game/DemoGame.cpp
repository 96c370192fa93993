// The demo game launcher: prints the fields of the command line it was started with and, when a
// display is there, shows them in a window of its own.

#include "tools/demo-game/LaunchCommandLine.h"

#include <gtk/gtk.h>

#include <cstdio>
#include <string>

namespace {

std::string commandLineOf(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            line += ' ';
        line += argv[i];
    }
    return line;
}

void showWindow(const std::vector<std::pair<std::string, std::string>>& fields) {
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window), "Orvane Quorn (demo game launcher)");
    gtk_window_set_default_size(GTK_WINDOW(window), 520, 260);
    gtk_window_set_position(GTK_WINDOW(window), GTK_WIN_POS_CENTER);
    g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);

    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 12);
    gtk_container_set_border_width(GTK_CONTAINER(box), 18);
    GtkWidget* heading = gtk_label_new(nullptr);
    gtk_label_set_markup(GTK_LABEL(heading), "<big><b>The game would start now with:</b></big>");
    gtk_widget_set_halign(heading, GTK_ALIGN_START);
    gtk_box_pack_start(GTK_BOX(box), heading, FALSE, FALSE, 0);

    GtkWidget* grid = gtk_grid_new();
    gtk_grid_set_row_spacing(GTK_GRID(grid), 6);
    gtk_grid_set_column_spacing(GTK_GRID(grid), 16);
    int row = 0;
    for (const auto& [name, value] : fields) {
        GtkWidget* key = gtk_label_new(name.c_str());
        gtk_widget_set_halign(key, GTK_ALIGN_END);
        gtk_style_context_add_class(gtk_widget_get_style_context(key), "dim-label");
        GtkWidget* text = gtk_label_new(value.empty() ? "(empty)" : value.c_str());
        gtk_label_set_selectable(GTK_LABEL(text), TRUE);
        gtk_label_set_line_wrap(GTK_LABEL(text), TRUE);
        gtk_label_set_line_wrap_mode(GTK_LABEL(text), PANGO_WRAP_CHAR);
        gtk_widget_set_halign(text, GTK_ALIGN_START);
        gtk_grid_attach(GTK_GRID(grid), key, 0, row, 1, 1);
        gtk_grid_attach(GTK_GRID(grid), text, 1, row, 1, 1);
        ++row;
    }
    gtk_box_pack_start(GTK_BOX(box), grid, TRUE, TRUE, 0);

    GtkWidget* close = gtk_button_new_with_label("Close");
    gtk_widget_set_halign(close, GTK_ALIGN_END);
    g_signal_connect_swapped(close, "clicked", G_CALLBACK(gtk_widget_destroy), window);
    gtk_box_pack_end(GTK_BOX(box), close, FALSE, FALSE, 0);

    gtk_container_add(GTK_CONTAINER(window), box);
    gtk_widget_show_all(window);
    gtk_main();
}

} // namespace

int main(int argc, char** argv) {
    const std::string line = commandLineOf(argc, argv);
    const auto fields = demo_game::describe(line);
    for (const auto& [name, value] : fields)
        std::printf("%s: %s\n", name.c_str(), value.c_str());
    std::fflush(stdout);
    if (gtk_init_check(&argc, &argv))
        showWindow(fields);
    return 0;
}
