#!/usr/bin/perl
use strict;
use warnings;

=head1 NAME

zynprint.pl - export an .xdp document to a readable text file

=head1 SYNOPSIS

  zynprint.pl DOCUMENT TEXTFILE

=head1 DESCRIPTION

Writes the whole document to TEXTFILE in the order of the editor's structure
tree, one node per line, indented by depth: its label and tag, then its
comment, basic settings as C<key = value>, code and file contents as blocks
of lines starting with "| ", macros with their values, choices with the
selected entry and their tabs, binary files with their size.

TEXTFILE is replaced as a whole (written beside it, then renamed); through
a symbolic link the link's target is replaced. TEXTFILE must not be the
document itself.

Exit status 0 on success. On failure a one-line message goes to standard
error and the status is 1 (2 for a wrong command line).

=cut

use FindBin qw($RealBin);
use lib $RealBin;
use Cwd qw(realpath);
use Encode qw(encode);
use File::Basename qw(basename dirname);
use MIME::Base64 qw(decode_base64);
use Zyn::Doc qw(load_document child child_elements significant_nodes
  text_of child_text function_child tree_nodes same_file quote_name
  decode_path);
use Zyn::Output qw(catch_signals replace_file shown_path remove_stale_temps);

my $ME = 'zynprint.pl';

my %KIND_NAME = ( textfile => 'text file', binfile => 'binary file' );
my %MACROS = map { $_ => 1 }
  qw(TEXT_MACRO TYPEADA CONSTANTADA CONSTANTSTRINGADA BINARY_MACRO RENAMEADA OPTIONAL_MACRO);
my %TAB_FUNCTIONS = map { $_ => 1 } qw(VALUEFCTPERL VALUEFCT VALUEFCTC VALUEFCTH);

sub fail {
    my ( $message, $status ) = @_;
    $message =~ s/[\r\n]+/ /g;
    $message =~ s/\s+$//;
    $message = "$ME: $message" unless $message =~ /^Usage:/;
    print STDERR encode( 'UTF-8', "$message\n" );
    exit( $status // 1 );
}

sub attr {
    my ( $element, $name ) = @_;
    return $element ? $element->getAttribute($name) // '' : '';
}

# "Title: text" on one line, or the title followed by a block of "| " lines.
sub field {
    my ( $indent, $title, $text, $separator ) = @_;
    $separator //= ': ';
    $text =~ s/\n\z//;
    return "$indent$title$separator$text\n" if $text ne '' && $text !~ /\n/;
    $separator =~ s/\s+$//;
    return "$indent$title$separator\n" . block( "$indent  ", $text );
}

sub block {
    my ( $indent, $text ) = @_;
    $text =~ s/\n\z//;
    return join '', map { "$indent| $_\n" } split /\n/, $text, -1;
}

sub comment {
    my ( $indent, $element ) = @_;
    my $text = child_text( $element, 'COMMENT' );
    return $text =~ /\S/ ? field( $indent, 'Comment', $text ) : '';
}

sub code {
    my ( $indent, $function ) = @_;
    return "${indent}Code: none\n" unless $function;
    my $text = join "\n", map { child_text( $function, $_ ) } qw(PROTO VALUE TAIL);
    return "${indent}Code:\n" . block( "$indent  ", $text );
}

sub heading {
    my ( $node, $indent ) = @_;
    my $element = $node->{element};
    my $kind    = $node->{kind};
    return "${indent}(no label) [PC_WEX]\n" unless $element;
    if ( $kind eq 'root' ) {
        return sprintf qq{Target "%s" (type %s, version %s)\n}, attr( $element, 'Name' ),
          attr( $element, 'type' ), attr( $element, 'Version' );
    }
    if ( $KIND_NAME{$kind} ) {
        my $what = $KIND_NAME{$kind};
        $what .= ', ' . binary_size($element) if $kind eq 'binfile';
        return "$indent" . attr( $element, 'Name' ) . " [$what]\n";
    }
    my $line = "$indent" . attr( $element, 'Label' ) . ' [' . $element->nodeName . ']';
    $line .= ' (variant ' . $node->{variant}->nodeName . ')' if $node->{variant};
    return "$line\n";
}

sub binary_size {
    my ($file) = @_;
    my $content = ( child_elements($file) )[1];
    return 'no content' unless $content && $content->nodeName eq 'BASE64';
    ( my $base64 = text_of($content) ) =~ s/\s+//g;
    return 'damaged content'
      unless $base64 =~ m{\A[A-Za-z0-9+/]*={0,2}\z} && length($base64) % 4 == 0;
    my $size = length decode_base64($base64);
    return $size == 1 ? '1 byte' : "$size bytes";
}

sub settings {
    my ( $indent, $element ) = @_;
    my $container = ( significant_nodes($element) )[0];
    return '' unless $container && $container->nodeType == XML::LibXML::XML_ELEMENT_NODE;
    my $text = comment( $indent, $container );
    for my $key ( grep { $_->nodeName ne 'COMMENT' } child_elements($container) ) {
        my $name = child( $key, 'KEY' ) ? child_text( $key, 'KEY' ) : $key->nodeName;
        $text .= field( $indent, $name, child_text( $key, 'VALUE' ), ' = ' );
        $text .= comment( "$indent  ", $key );
    }
    return $text;
}

sub macro {
    my ( $indent, $macro ) = @_;
    my $name = attr( $macro, 'Name' );
    my $tag  = $macro->nodeName;
    my $line;
    if ( $tag eq 'BINARY_MACRO' || $tag eq 'RENAMEADA' ) {
        $line = "$indent$name = " . ( attr( $macro, 'Value' ) eq '1' ? 'yes' : 'no' ) . "\n";
    }
    elsif ( $tag eq 'OPTIONAL_MACRO' ) {
        my $defined = attr( $macro, 'Defined' ) eq '1' ? 'defined' : 'not defined';
        $line = field( $indent, "$name ($defined)", attr( $macro, 'Value' ), ' = ' );
    }
    else {
        $line = field( $indent, $name, child_text( $macro, 'VALUE' ), ' = ' );
    }
    return $line . comment( "$indent  ", $macro );
}

sub macros {
    my ( $indent, $element ) = @_;
    my $text = '';
    for my $wrapper ( grep { $_->nodeName ne 'COMMENT' } child_elements($element) ) {
        my $first = ( significant_nodes($wrapper) )[0];
        next unless $first && $first->nodeType == XML::LibXML::XML_ELEMENT_NODE;
        $text .= macro( $indent, $first ) if $MACROS{ $first->nodeName };
    }
    return $text;
}

sub choice {
    my ( $indent, $element ) = @_;
    my $choice = child( $element, 'CHOICE' ) or return "${indent}No choice\n";
    my $value  = attr( $choice, 'Value' );
    my @entries = grep { $_->nodeName eq 'CHOICEDATA' } child_elements($choice);
    my ($selected) = reverse grep { text_of($_) eq $value } @entries;
    my $text = "$indent" . attr( $choice, 'Name' ) . ": $value"
      . ( $selected ? '' : ' (matches no entry)' ) . "\n";
    for my $entry (@entries) {
        my $mark = $selected && $entry->isSameNode($selected) ? '*' : ' ';
        my $tabs = attr( $entry, 'Sensitive' ) eq '1' ? 'tabs enabled' : 'tabs disabled';
        $text .= "$indent  $mark " . text_of($entry) . " ($tabs)\n";
    }
    for my $tab ( grep { $_->nodeName eq 'ONGLET' } child_elements($choice) ) {
        $text .= "${indent}Tab \"" . attr( $tab, 'Label' ) . "\"\n";
        my $first = ( significant_nodes($tab) )[0];
        next unless $first && $first->nodeType == XML::LibXML::XML_ELEMENT_NODE;
        if ( $TAB_FUNCTIONS{ $first->nodeName } ) {
            $text .= comment( "$indent  ", $first ) . code( "$indent  ", $first );
        }
        elsif ( $first->nodeName eq 'ITEM' ) {
            $text .= macros( "$indent  ", $tab );
        }
    }
    return $text;
}

sub details {
    my ( $node, $indent ) = @_;
    my $element = $node->{element} or return '';
    my $kind    = $node->{kind};
    return settings( $indent, $element ) if $kind eq 'settings';
    my $text = comment( $indent, $element );
    if ( $kind eq 'step' || $kind eq 'function' ) {
        $text .= code( $indent, function_child($element) );
    }
    elsif ( $kind =~ /^(?:textfile|freetext|parser|pcwex)$/ ) {
        my $value = child_text( $element, 'VALUE' );
        $text .= "${indent}Text:\n" . block( "$indent  ", $value ) if $value ne '';
    }
    elsif ( $kind eq 'item' ) {
        $text .= macros( $indent, $element );
    }
    elsif ( $kind eq 'choice' ) {
        $text .= choice( $indent, $element );
    }
    return $text;
}

sub render {
    my ( $root, $source ) = @_;
    my $text = 'Moravel document ' . quote_name($source) . "\n";
    for my $node ( tree_nodes($root) ) {
        my $indent = '  ' x $node->{depth};
        $text .= "\n" if $node->{depth} == 1;
        $text .= heading( $node, $indent ) . details( $node, "$indent  " );
    }
    return $text;
}

sub export {
    my ( $document, $textfile ) = @_;
    my $root = load_document($document);
    die "no text file given\n" if $textfile eq '';
    my $target = -l $textfile ? realpath($textfile) // $textfile : $textfile;
    die "the text file " . shown_path($textfile) . " is not a regular file\n"
      if -e $target && !-f _;
    die "the text file " . shown_path($textfile) . " is the document itself\n"
      if same_file( $target, $document );
    remove_stale_temps( dirname($target) );
    replace_file( $target,
        encode( 'UTF-8', render( $root, decode_path( basename($document) ) ) ) );
}

fail( "Usage: $ME DOCUMENT TEXTFILE", 2 ) unless @ARGV == 2;
catch_signals();
eval { export(@ARGV); 1 } or fail("$@");
exit 0;
