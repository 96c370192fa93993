// One undecorated 1334 x 725 RGBA window, centred, painted from a PNG file: the least a GTK
// program does to show the login artwork. Usage: tarnwick-bench-bare-window PNG

#include <gtk/gtk.h>

namespace {

cairo_surface_t* g_picture = nullptr;

gboolean draw(GtkWidget*, cairo_t* cr, gpointer) {
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, g_picture, 0, 0);
    cairo_paint(cr);
    return TRUE;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    gtk_init(nullptr, nullptr);
    g_picture = cairo_image_surface_create_from_png(argv[1]);
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_decorated(GTK_WINDOW(window), FALSE);
    gtk_widget_set_app_paintable(window, TRUE);
    if (GdkVisual* rgba = gdk_screen_get_rgba_visual(gtk_widget_get_screen(window)))
        gtk_widget_set_visual(window, rgba);
    gtk_window_set_default_size(GTK_WINDOW(window), 1334, 725);
    gtk_window_set_position(GTK_WINDOW(window), GTK_WIN_POS_CENTER);
    g_signal_connect(window, "draw", G_CALLBACK(draw), nullptr);
    g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
    gtk_widget_show(window);
    gtk_main();
    return 0;
}
