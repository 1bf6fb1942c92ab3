#!/usr/bin/perl
use strict;
use warnings;

=head1 NAME

zyngen.pl - generate a target's files from its .xdp document

=head1 SYNOPSIS

  zyngen.pl DOCUMENT GENERATE_IN

=head1 DESCRIPTION

Writes the files of the target described by DOCUMENT into
GENERATE_IN/NAME/, NAME being the document's file name without ".xdp".
GENERATE_IN must exist; NAME/ is created when missing. Files already there
that the document does not produce are left alone.

=over

=item NAME.ini

First line C<NAME="label">, the label being "C++ " followed by the root's
C<Name> when its C<type> is "CCPP", "Ada " followed by it otherwise; the
editor recognises existing targets by this line. Then one C<[IS_...]>
section per basic-settings element with its keys as C<KEY=VALUE> lines
(line breaks inside a value are written as blanks).

=item zynbuild.pm

Package C<zynbuild>: each build step as its prototype, body and tail lines.

=item zynlibconf.h, zynlibconf.ads or zynlibconf.java

The library configuration of the document's first language variant
(LIBCONFC, LIBCONFA, LIBCONFJAVA) in tree order: free texts verbatim,
macros as C<#define> lines (binary ones as 1 or 0, an optional one only when
defined), functions as prototype, body and tail. A choice emits the code
and macros of all its tabs when the selected entry is sensitive (the tabs
are its implementation); otherwise only a comment naming the selection.
Nothing is written when the document has no language variant.

=item carried files

Each NEWCMDFILE under BUILD as its text (UTF-8), each NEWBINFILE decoded
from its BASE64 content, under its C<Name>.

=back

The document is untrusted: a carried file name that is empty, names a
directory part, "." or "..", or clashes with another output is refused
before anything is written. Every file is written to a temporary file and
renamed into place.

Exit status 0 on success. On failure a one-line message goes to standard
error and the status is 1 (2 for a wrong command line).

=cut

use FindBin qw($RealBin);
use lib $RealBin;
use Encode qw(encode);
use File::Basename qw(basename);
use MIME::Base64 qw(decode_base64);
use Zyn::Doc qw(load_document child child_elements significant_nodes
  text_of child_text function_child tree_nodes same_file quote_name
  decode_path);
use Zyn::Output qw(catch_signals check_destination remove_stale_temps stage
  commit discard shown_path);

my $ME = 'zyngen.pl';

sub fail {
    my ( $message, $status ) = @_;
    $message =~ s/[\r\n]+/ /g;
    $message =~ s/\s+$//;
    $message = "$ME: $message" unless $message =~ /^Usage:/;
    print STDERR encode( 'UTF-8', "$message\n" );
    exit( $status // 1 );
}

my %DIALECT = (
    LIBCONFC => {
        file    => 'zynlibconf.h',
        comment => sub { ( my $t = shift ) =~ s{\*/}{* /}g; "/* $t */" },
        head    => "#ifndef ZYNLIBCONF_H\n#define ZYNLIBCONF_H\n",
        foot    => "#endif /* ZYNLIBCONF_H */\n",
    },
    LIBCONFA => {
        file    => 'zynlibconf.ads',
        comment => sub { '-- ' . shift },
    },
    LIBCONFJAVA => {
        file    => 'zynlibconf.java',
        comment => sub { '// ' . shift },
    },
);

my %TEXT_MACROS   = map { $_ => 1 } qw(TEXT_MACRO TYPEADA CONSTANTADA CONSTANTSTRINGADA);
my %BINARY_MACROS = map { $_ => 1 } qw(BINARY_MACRO RENAMEADA);
my %TAB_MACROS    = map { $_ => 1 } qw(TEXT_MACRO BINARY_MACRO OPTIONAL_MACRO);
my %TAB_FUNCTIONS = map { $_ => 1 } qw(VALUEFCTPERL VALUEFCT VALUEFCTC VALUEFCTH);

sub one_line {
    my ($text) = @_;
    $text = '' unless defined $text;
    $text =~ s/[\r\n]+/ /g;
    return $text;
}

sub with_newline {
    my ($text) = @_;
    return $text eq '' || $text =~ /\n\z/ ? $text : "$text\n";
}

sub target_label {
    my ($root) = @_;
    my $name = $root->getAttribute('Name') // '';
    die "the target name " . quote_name($name) . " contains a line break\n"
      if $name =~ /[\r\n]/;
    my $type = $root->getAttribute('type') // '';
    return ( $type eq 'CCPP' ? 'C++ ' : 'Ada ' ) . $name;
}

sub render_ini {
    my ( $label, @nodes ) = @_;
    my $ini = qq{NAME="$label"\n};
    for my $node ( grep { $_->{kind} eq 'settings' } @nodes ) {
        my $section = $node->{element}->nodeName;
        $ini .= "[$section]\n";
        my $container = ( significant_nodes( $node->{element} ) )[0];
        next unless $container && $container->nodeType == XML::LibXML::XML_ELEMENT_NODE;
        for my $key ( grep { $_->nodeName ne 'COMMENT' } child_elements($container) ) {
            my $name = child( $key, 'KEY' ) ? child_text( $key, 'KEY' ) : $key->nodeName;
            die "the key " . quote_name($name) . " of [$section] cannot stand in an .ini file\n"
              if $name eq '' || $name =~ /[=\r\n]/;
            $ini .= "$name=" . one_line( child_text( $key, 'VALUE' ) ) . "\n";
        }
    }
    return $ini;
}

sub function_code {
    my ($function) = @_;
    return '' unless $function;
    return with_newline( join "\n", map { child_text( $function, $_ ) } qw(PROTO VALUE TAIL) );
}

sub render_build {
    my ( $label, $source, @nodes ) = @_;
    my $code = '# zynbuild.pm: build steps of target ' . one_line(qq{"$label"})
      . ", generated by $ME from " . one_line($source) . "\npackage zynbuild;\n";
    for my $node ( grep { $_->{kind} eq 'step' } @nodes ) {
        my $step = $node->{element};
        $code .= "\n# " . one_line( $step->getAttribute('Label') ) . ' (' . $step->nodeName . ")\n";
        $code .= function_code( function_child($step) );
    }
    return "$code\n1;\n";
}

sub macro_code {
    my ( $macro, $dialect ) = @_;
    my $name = $macro->getAttribute('Name') // '';
    die "a " . $macro->nodeName . " has no name\n" if $name eq '';
    die "the macro name " . quote_name($name) . " contains a line break\n" if $name =~ /[\r\n]/;
    my $tag = $macro->nodeName;
    my $value;
    if ( $TEXT_MACROS{$tag} ) {
        $value = child_text( $macro, 'VALUE' );
    }
    elsif ( $BINARY_MACROS{$tag} ) {
        $value = ( $macro->getAttribute('Value') // '' ) eq '1' ? '1' : '0';
    }
    elsif ( ( $macro->getAttribute('Defined') // '' ) eq '1' ) {
        $value = $macro->getAttribute('Value') // '';
    }
    else {
        return $dialect->{comment}->("$name is not defined") . "\n";
    }
    $value =~ s/\r?\n/ \\\n/g;    # a continued line keeps a multi-line value
    return $value eq '' ? "#define $name\n" : "#define $name $value\n";
}

sub first_element {
    my ($element) = @_;
    my $first = ( significant_nodes($element) )[0];
    return $first && $first->nodeType == XML::LibXML::XML_ELEMENT_NODE ? $first : undef;
}

# Macros wrapped one per child, each wrapper's first child being the macro.
sub wrapped_macros {
    my ( $element, $accepted, $dialect ) = @_;
    my $code = '';
    for my $wrapper ( grep { $_->nodeName ne 'COMMENT' } child_elements($element) ) {
        my $macro = first_element($wrapper);
        $code .= macro_code( $macro, $dialect ) if $macro && $accepted->{ $macro->nodeName };
    }
    return $code;
}

sub selected_entry {
    my ($choice) = @_;
    my $value   = $choice->getAttribute('Value') // '';
    my @entries = grep { $_->nodeName eq 'CHOICEDATA' && text_of($_) ne '' } child_elements($choice);
    my ($selected) = reverse grep { text_of($_) eq $value } @entries;
    return $selected // $entries[0];
}

sub choice_code {
    my ( $element, $dialect ) = @_;
    my $label  = one_line( $element->getAttribute('Label') );
    my $choice = child( $element, 'CHOICE' );
    my $entry  = $choice && selected_entry($choice);
    unless ($entry) {
        return $dialect->{comment}->("$label: no choice") . "\n";
    }
    my $selected = one_line( text_of($entry) );
    unless ( ( $entry->getAttribute('Sensitive') // '' ) eq '1' ) {
        return $dialect->{comment}->(qq{$label: "$selected"}) . "\n";
    }
    my $code = $dialect->{comment}->(qq{$label: "$selected", implemented below}) . "\n";
    for my $tab ( grep { $_->nodeName eq 'ONGLET' } child_elements($choice) ) {
        my $first = first_element($tab) or next;
        my $body =
            $TAB_FUNCTIONS{ $first->nodeName } ? function_code($first)
          : $first->nodeName eq 'ITEM'         ? wrapped_macros( $tab, \%TAB_MACROS, $dialect )
          :                                      next;
        $code .= $dialect->{comment}->( "$label / " . one_line( $tab->getAttribute('Label') ) )
          . "\n$body";
    }
    return $code;
}

sub library_part {
    my ( $node, $dialect ) = @_;
    my $element = $node->{element};
    my $kind    = $node->{kind};
    return choice_code( $element, $dialect ) if $kind eq 'choice';
    my $code = $dialect->{comment}->( one_line( $element->getAttribute('Label') ) ) . "\n";
    if ( $kind eq 'freetext' ) {
        $code .= with_newline( child_text( $element, 'VALUE' ) );
    }
    elsif ( $kind eq 'item' ) {
        $code .= wrapped_macros( $element, { %TEXT_MACROS, %BINARY_MACROS, OPTIONAL_MACRO => 1 },
            $dialect );
    }
    elsif ( $kind eq 'function' ) {
        $code .= function_code( function_child($element) );
    }
    return $code;
}

# The library configuration of the first LIBCONF group that has a variant.
sub render_library {
    my ( $label, $source, @nodes ) = @_;
    my ($start) = grep { $nodes[$_]{kind} eq 'group' && $nodes[$_]{variant} } 0 .. $#nodes;
    return unless defined $start;
    my $dialect = $DIALECT{ $nodes[$start]{variant}->nodeName };
    my $text    = $dialect->{comment}->(
        "$dialect->{file}: library configuration of target \"$label\", generated by $ME from "
          . one_line($source) )
      . "\n"
      . ( $dialect->{head} // '' );
    for my $node ( @nodes[ $start + 1 .. $#nodes ] ) {
        last if $node->{depth} < 2;
        $text .= "\n" . library_part( $node, $dialect );
    }
    $text .= "\n$dialect->{foot}" if $dialect->{foot};
    return ( $dialect->{file}, $text );
}

sub check_file_name {
    my ($name) = @_;
    my $shown = quote_name($name);
    die "a carried file has no name\n" if !defined $name || $name eq '';
    die "the carried file name $shown is not a plain file name\n"
      if $name =~ m{[/\\\0]} || $name eq '.' || $name eq '..';
    die "the carried file name $shown is too long\n" if length( encode( 'UTF-8', $name ) ) > 255;
}

sub binary_content {
    my ( $file, $name ) = @_;
    my $shown   = quote_name($name);
    my $content = ( child_elements($file) )[1];
    die "the binary file $shown carries no content\n" unless $content;
    die "the binary file $shown carries <" . $content->nodeName . "> instead of <BASE64>\n"
      unless $content->nodeName eq 'BASE64';
    my $encoding = $content->getAttribute('Encoding');
    die "the binary file $shown uses the unknown encoding " . quote_name($encoding) . "\n"
      if defined $encoding && lc $encoding ne 'base64';
    ( my $base64 = text_of($content) ) =~ s/\s+//g;
    die "the binary file $shown holds damaged Base64 text\n"
      unless $base64 =~ m{\A[A-Za-z0-9+/]*={0,2}\z} && length($base64) % 4 == 0;
    my $bytes = decode_base64($base64);
    my $size  = $content->getAttribute('Size');
    die "the binary file $shown declares "
      . quote_name($size)
      . " bytes but carries "
      . length($bytes) . "\n"
      if defined $size && $size ne length $bytes;
    return $bytes;
}

sub carried_files {
    my @nodes = @_;
    my @files;
    for my $node ( grep { $_->{kind} eq 'textfile' || $_->{kind} eq 'binfile' } @nodes ) {
        my $file = $node->{element};
        my $name = $file->getAttribute('Name');
        check_file_name($name);
        my $bytes =
            $node->{kind} eq 'textfile'
          ? encode( 'UTF-8', child_text( $file, 'VALUE' ) )
          : binary_content( $file, $name );
        push @files, [ $name, $bytes ];
    }
    return @files;
}

# The generate-in directory and the target directory below it must be real
# directories: a symbolic link at either would send the files elsewhere.
sub target_directory {
    my ( $document, $generate_in ) = @_;
    die "no generate-in directory given\n" if $generate_in eq '';
    $generate_in =~ s{(?<=.)/+\z}{};
    my $shown = shown_path($generate_in);
    die "the generate-in directory $shown is a symbolic link; nothing is written through it\n"
      if -l $generate_in;
    die "the generate-in directory $shown does not exist\n" unless -d $generate_in;
    my $name = basename($document);
    $name =~ s/\.xdp\z//;
    die "the document name " . shown_path( basename($document) ) . " gives no target name\n"
      if $name eq '' || $name eq '.' || $name eq '..';
    my $target = "$generate_in/$name";
    die "the target directory " . shown_path($target) . " is a symbolic link; nothing is written through it\n"
      if -l $target;
    die "the target " . shown_path($target) . " exists and is not a directory\n"
      if -e _ && !-d _;
    return $target;
}

sub outputs {
    my ( $document, $target ) = @_;
    my $root   = load_document($document);
    my $label  = target_label($root);
    my $source = decode_path( basename($document) );
    my @nodes  = tree_nodes($root);

    # Names are bytes from here on, as the paths they are joined to.
    my @outputs = (
        [ basename($target) . '.ini', encode( 'UTF-8', render_ini( $label, @nodes ) ) ],
        [ 'zynbuild.pm', encode( 'UTF-8', render_build( $label, $source, @nodes ) ) ],
    );
    if ( my ( $file, $text ) = render_library( $label, $source, @nodes ) ) {
        push @outputs, [ $file, encode( 'UTF-8', $text ) ];
    }
    my %generated = map { $_->[0] => 1 } @outputs;
    for my $carried ( carried_files(@nodes) ) {
        my $name = encode( 'UTF-8', $carried->[0] );
        die "the carried file name "
          . quote_name( $carried->[0] )
          . " is used twice or clashes with a generated file\n"
          if $generated{$name}++;
        push @outputs, [ $name, $carried->[1] ];
    }
    for my $output (@outputs) {
        die "the output " . quote_name( decode_path( $output->[0] ) ) . " would overwrite the document\n"
          if same_file( "$target/$output->[0]", $document );
    }
    return @outputs;
}

sub generate {
    my ( $document, $generate_in ) = @_;
    my $target  = target_directory( $document, $generate_in );
    my @outputs = outputs( $document, $target );
    my $created;
    unless ( -d $target ) {
        mkdir $target or die "cannot create " . shown_path($target) . ": $!\n";
        $created = 1;
    }
    my @staged;
    my $done = eval {
        remove_stale_temps($target);
        check_destination("$target/$_->[0]") for @outputs;
        push @staged, stage( "$target/$_->[0]", $_->[1] ) for @outputs;
        commit(@staged);
        1;
    };
    return if $done;
    my $error = $@;
    discard(@staged);
    rmdir $target if $created;
    die $error;
}

fail( "Usage: $ME DOCUMENT GENERATE_IN", 2 ) unless @ARGV == 2;
catch_signals();
eval { generate(@ARGV); 1 } or fail("$@");
exit 0;
